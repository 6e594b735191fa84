#include "core/platform/WinePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

bool isSeparator(QChar c) { return c == u'\\' || c == u'/'; }

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The entry of `folder` spelled like `name`: the exact spelling when it
// exists, else the first entry equal without regard to case.
std::optional<QString> findEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + u'/' + name))
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Unsorted);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

} // namespace

WinePaths::WinePaths(QString prefixFolder)
    : prefix_(std::move(prefixFolder))
{
}

QString WinePaths::toHost(const QString &path) const
{
    if (path.startsWith(u'/')) {
        QString host = path;
        return host.replace(u'\\', u'/');
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]))
        return {}; // a network path

    QChar drive = u'c';
    QStringView rest = path;
    if (path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == u':') {
        drive = path[0].toLower();
        rest = rest.sliced(2);
    }

    QString windowsRest = rest.toString();
    windowsRest.replace(u'/', u'\\');
    QStringList components;
    for (const QStringView part : QStringView(windowsRest).split(u'\\', Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u"..") {
            if (!components.isEmpty())
                components.removeLast();
            continue;
        }
        components.append(part.toString());
    }

    QString host = prefix_ + u"/dosdevices/"_qs + drive + u':';
    bool lookUp = true; // false once a component is missing: nothing below it exists
    for (const QString &component : std::as_const(components)) {
        if (lookUp) {
            const auto entry = findEntry(host, component);
            lookUp = entry.has_value();
            host += u'/' + entry.value_or(component);
        } else {
            host += u'/' + component;
        }
    }
    return host;
}

bool existsOnHost(const HostPaths &paths, const QString &path)
{
    const QString host = paths.toHost(path);
    return !host.isEmpty() && QFileInfo::exists(host);
}
