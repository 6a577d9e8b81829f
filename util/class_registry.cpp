#include "util/class_registry.h"

CClassRegistry& CClassRegistry::Global() {
    static CClassRegistry registry;
    return registry;
}

bool CClassRegistry::IsStorableName(std::string_view name) {
    if (name.empty() || name.size() >= 64) {
        return false;
    }
    for (const char c : name) {
        if (c < 0x21 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

bool CClassRegistry::Add(std::string_view name, Factory factory) {
    if (!IsStorableName(name) || factory == nullptr) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    factories_.insert_or_assign(std::string(name), factory);
    return true;
}

bool CClassRegistry::Contains(std::string_view name) const {
    const std::lock_guard lock(mutex_);
    return factories_.find(name) != factories_.end();
}

std::unique_ptr<CObject> CClassRegistry::Create(std::string_view name) const {
    Factory factory = nullptr;
    {
        const std::lock_guard lock(mutex_);
        const auto found = factories_.find(name);
        if (found == factories_.end()) {
            return nullptr;
        }
        factory = found->second;
    }
    return factory();
}
