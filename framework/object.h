// Root of the framework's class tree, with run-time class records so that a
// class can be named, tested and created by its record.
#pragma once

class CObject;
class CArchive;

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

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  virtual void Serialize(CArchive& ar);
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

#define VT_IMPLEMENT_RUNTIMECLASS(name, base, create)                                        \
  const CRuntimeClass name::class##name = {#name, static_cast<int>(sizeof(name)), 0xFFFF,    \
                                           create, RUNTIME_CLASS(base)};                     \
  const CRuntimeClass* name::GetRuntimeClass() const { return RUNTIME_CLASS(name); }

#define VT_IMPLEMENT_DYNAMIC(name, base) VT_IMPLEMENT_RUNTIMECLASS(name, base, nullptr)

#define VT_IMPLEMENT_DYNCREATE(name, base)                \
  CObject* name::CreateObject() { return new name; }     \
  VT_IMPLEMENT_RUNTIMECLASS(name, base, name::CreateObject)
