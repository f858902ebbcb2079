#pragma once
// Finding widgets by control name in the widget tests; a miss warns with the names that do exist
// (the caller QVERIFYs the pointer).

#include <QObject>
#include <QStringList>
#include <QtGlobal>

namespace niruka::test {

template <class T> T *child(QObject *parent, const QString &name)
{
    if (!parent) {
        qWarning("no parent to look for \"%s\" in", qPrintable(name));
        return nullptr;
    }
    if (T *found = parent->findChild<T *>(name))
        return found;
    QStringList names;
    for (QObject *o : parent->findChildren<QObject *>())
        if (!o->objectName().isEmpty())
            names << o->objectName();
    qWarning("no \"%s\" in %s; there are: %s", qPrintable(name), qPrintable(parent->objectName()),
             qPrintable(names.join(QStringLiteral(", "))));
    return nullptr;
}

} // namespace niruka::test
