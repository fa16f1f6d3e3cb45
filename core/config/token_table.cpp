#include "core/config/token_table.h"

TokenTable::TokenTable(const TokenTable& other) : m_values(other.Snapshot()) {}

TokenTable& TokenTable::operator=(const TokenTable& other) {
  if (this != &other) {
    auto copy = other.Snapshot();
    std::lock_guard<Lock> hold(m_lock);
    m_values.swap(copy);
  }
  return *this;
}

void TokenTable::Set(const std::string& name, const std::string& value) {
  std::lock_guard<Lock> hold(m_lock);
  m_values[name] = value;
}

void TokenTable::Remove(const std::string& name) {
  std::lock_guard<Lock> hold(m_lock);
  m_values.erase(name);
}

bool TokenTable::Lookup(const std::string& name, std::string& value) const {
  std::lock_guard<Lock> hold(m_lock);
  auto it = m_values.find(name);
  if (it == m_values.end()) return false;
  value = it->second;
  return true;
}

bool TokenTable::Has(const std::string& name) const {
  std::lock_guard<Lock> hold(m_lock);
  return m_values.count(name) != 0;
}

std::string TokenTable::Get(const std::string& name) const {
  std::string value;
  Lookup(name, value);
  return value;
}

void TokenTable::Clear() {
  std::lock_guard<Lock> hold(m_lock);
  m_values.clear();
}

std::map<std::string, std::string> TokenTable::Snapshot() const {
  std::lock_guard<Lock> hold(m_lock);
  return m_values;
}
