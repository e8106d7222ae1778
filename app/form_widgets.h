#pragma once

#include "common/string_table.h"

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

// A text of the string table, as the windows set their captions.
inline QString T(int id) {
    return StringTable::Text(id);
}

// A named label in bold, as the windows' headings and step titles are.
inline QLabel* BoldLabel(QWidget* parent, const QString& name) {
    auto* label = Named(new QLabel(parent), name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

// A named label whose text the window sets later.
inline QLabel* NamedLabel(QWidget* parent, const char* name) {
    return Named(new QLabel(parent), name);
}

// A step title of the main window: bold, a little larger, in the steps' blue.
inline QLabel* StepTitle(QWidget* parent, const char* name) {
    auto* label = NamedLabel(parent, name);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.1);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    // Longer languages take a second line rather than widen the column.
    label->setWordWrap(true);
    return label;
}

} // namespace tessellon
