// A small text class in the manner of the framework's classic string: it
// converts to const char* where the Win32 API wants one, and formats.
#pragma once
#include <cstdarg>
#include <string>

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_str(text ? text : "") {}  // NOLINT: implicit by design
  CString(const std::string& text) : m_str(text) {}        // NOLINT

  operator const char*() const { return m_str.c_str(); }  // NOLINT
  const std::string& str() const { return m_str; }
  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }

  CString& operator=(const char* text) {
    m_str = text ? text : "";
    return *this;
  }
  CString& operator+=(const CString& more) {
    m_str += more.m_str;
    return *this;
  }
  friend CString operator+(CString a, const CString& b) { return a += b; }
  friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
  friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }

  // printf-style formatting; the result may be of any length.
  void Format(const char* format, ...);
  void FormatV(const char* format, va_list args);

 private:
  std::string m_str;
};
