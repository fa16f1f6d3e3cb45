// Root of the framework's class tree, with run-time class records so that a
// class can be named, tested and created by its record.
#pragma once

class CObject;
class CArchive;
class CDumpContext;

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  unsigned m_wSchema;
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;

  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  // Compares by name as well as by address: a class linked into two modules
  // has one record in each.
  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

// The virtual operations keep the classic root-class order (run-time class,
// destructor, serialisation, two diagnostics): classes exported from our DLL
// are called through their virtual tables by slot.
class CObject {
 public:
  virtual const CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject() = default;
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const {}
  virtual void Dump(CDumpContext&) const {}
  bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

  static const CRuntimeClass classCObject;

 protected:
  CObject() = default;
};

#define RUNTIME_CLASS(name) (&name::class##name)

// In the class body: the record and its accessor.
#define VT_DECLARE_DYNAMIC(name)            \
 public:                                   \
  static const CRuntimeClass class##name;  \
  const CRuntimeClass* GetRuntimeClass() const override;

#define VT_DECLARE_DYNCREATE(name) \
  VT_DECLARE_DYNAMIC(name)         \
  static CObject* CreateObject();

#define VT_IMPLEMENT_RUNTIMECLASS(name, base, schema, create)                                \
  const CRuntimeClass name::class##name = {#name, static_cast<int>(sizeof(name)), schema,    \
                                           create, RUNTIME_CLASS(base)};                     \
  const CRuntimeClass* name::GetRuntimeClass() const { return RUNTIME_CLASS(name); }

#define VT_IMPLEMENT_DYNAMIC(name, base) VT_IMPLEMENT_RUNTIMECLASS(name, base, 0xFFFF, nullptr)

#define VT_IMPLEMENT_DYNCREATE(name, base)                \
  CObject* name::CreateObject() { return new name; }     \
  VT_IMPLEMENT_RUNTIMECLASS(name, base, 0xFFFF, name::CreateObject)

// A creatable class with a serialisation schema number.
#define VT_DECLARE_SERIAL(name) VT_DECLARE_DYNCREATE(name)
#define VT_IMPLEMENT_SERIAL(name, base, schema)           \
  CObject* name::CreateObject() { return new name; }     \
  VT_IMPLEMENT_RUNTIMECLASS(name, base, schema, name::CreateObject)
