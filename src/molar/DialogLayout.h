#pragma once

#include <QRect>

#include <vector>

class QLineEdit;
class QWidget;

// One control of a small dialog's layout: static texts and labels take their text's size at
// their place; fields have the size given.
struct DialogItem
{
    enum class Kind { Text, Field, ReadOnlyField };
    Kind kind;
    const char *name;
    const char *text; // UTF-8
    QRect geometry;   // for texts only the top-left corner counts
    int pixels;       // font height; 0 keeps the dialog's font
    bool bold;
};

// Builds the items on `parent`, in order, and returns the fields among them, in order.
template <int N>
std::vector<QLineEdit *> buildDialogItems(QWidget *parent, const DialogItem (&items)[N]);
std::vector<QLineEdit *> buildDialogItems(QWidget *parent, const DialogItem *items, int count);

template <int N>
std::vector<QLineEdit *> buildDialogItems(QWidget *parent, const DialogItem (&items)[N])
{
    return buildDialogItems(parent, items, N);
}
