#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

namespace tessellon {

// Gives a control the object name it is found by (tests, style sheets) and returns it, so a
// window can name its controls where it creates them.
template <typename W> W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <typename W> W* Named(W* widget, const char* name) {
    return Named(widget, QString::fromLatin1(name));
}

// A named label in bold, as the windows' headings and step titles are.
inline QLabel* BoldLabel(QWidget* parent, const QString& name) {
    auto* label = Named(new QLabel(parent), name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace tessellon
