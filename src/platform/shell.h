#pragma once

#include <QString>
#include <QStringList>

namespace vornith {

// Opens things with the desktop's handlers: web pages, mail links, documents, and further
// instances of this program.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a URL ("https:", "mailto:") or a local file with its default handler.
    virtual bool open(const QString& target) = 0;
    // Starts another instance of this program with `arguments`.
    virtual bool startInstance(const QStringList& arguments) = 0;
};

} // namespace vornith
