#pragma once
// A program-wide object created on first use and released at shutdown, like VB's
// "Dim x As New T": every use through the holder finds an object.
#include <memory>

namespace vb {

template <class T>
class AutoHolder {
public:
    T* get() {
        if (!obj_) obj_ = std::make_unique<T>();
        return obj_.get();
    }
    T* operator->() { return get(); }
    T& operator*() { return *get(); }
    bool exists() const { return obj_ != nullptr; }
    void reset() { obj_.reset(); }          // Set x = Nothing
    void set(std::unique_ptr<T> obj) { obj_ = std::move(obj); }

private:
    std::unique_ptr<T> obj_;
};

} // namespace vb
