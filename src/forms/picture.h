// What an image or a picture box shows, as far as the form runtime is
// concerned: an opaque picture that it holds, compares and hands to the
// window system's painter. Screens of Trazel are described by the picture
// layer; the tutorial's own small images are built in and known by name.
#pragma once

#include <memory>
#include <string>

namespace lt::forms {

class Picture {
public:
    virtual ~Picture() = default;
    // What the picture shows, in words, as painted into an area of that size
    // (twips); empty for a picture that only decorates.
    virtual std::string description(int width, int height) const
    {
        (void)width, (void)height;
        return {};
    }
};

using PictureRef = std::shared_ptr<const Picture>;

// A built-in image: "check" (a progress marker), "logo", "definition" (the
// definition box's icon), "pointer" (the chart's pointer), "intro" (the
// intro's background), "banner" (the intro's title).
class BuiltInPicture final : public Picture {
public:
    explicit BuiltInPicture(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    // One shared picture per name.
    static PictureRef named(const std::string& name);

private:
    std::string name_;
};

} // namespace lt::forms
