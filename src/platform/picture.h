#pragma once

#include <QString>

#include <memory>

namespace vornith {

// A loaded picture: what the picture drawer needs to keep its proportions and what a surface
// paints.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
};

// Finds and loads diagram pictures by their plain file name.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // The picture named `name`, or null when the name is refused, missing or unreadable.
    virtual std::shared_ptr<const Picture> load(const QString& name) = 0;
    // Pictures not in img/ are looked up in `folder` from now on (the folder of the collection
    // just opened); nothing read from the folder used before is given again.
    virtual void useFolder(const QString& folder) = 0;
};

} // namespace vornith
