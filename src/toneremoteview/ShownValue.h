#pragma once
// The value a tab put into a control when it showed the document. Apply writes a field back only
// when the control no longer holds that value, so showing and applying an untouched document
// changes no byte, even where a control cannot hold the stored value exactly.
#include <optional>

template <class T>
class ShownValue {
public:
    void shown(const T& value) { value_ = value; }
    void forget() { value_.reset(); }
    // True unless the control holds what show put into it.
    bool changed(const T& now) const { return !value_ || *value_ != now; }

private:
    std::optional<T> value_;
};
