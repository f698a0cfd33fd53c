#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vornith {

// Opens things with the desktop's handlers: web pages, mail links, documents, and further
// instances of this program.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a URL ("https:", "mailto:") or a local file with its default handler, without
    // waiting for it. `fallo` runs later, from the event loop, when nothing could open it.
    virtual void open(const QString& target, std::function<void()> fallo) = 0;
    // Starts another instance of this program with `arguments`.
    virtual bool startInstance(const QStringList& arguments) = 0;
};

} // namespace vornith
