#include "dialogs/TypeBox.h"

#include <QLineEdit>

#include <limits>

TypeBox::TypeBox(const QStringList& items, QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // no completion while typing: the text is what the user types
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    QStringList sorted = items;
    sorted.sort(Qt::CaseInsensitive);
    addItems(sorted);
    setMaxVisibleItems(std::max(1, int(sorted.size())));
}

void TypeBox::setText(const QString& text)
{
    const int index = text.isEmpty() ? -1 : findText(text, Qt::MatchStartsWith);
    setCurrentIndex(index);
    if (index < 0)
        setEditText(text);
}

QString TypeBox::selectedItemText() const
{
    // Typing into the edit field leaves Qt's current index where it was; an item is selected only
    // while the edit field shows its text.
    const int index = currentIndex();
    if (index < 0 || itemText(index) != currentText())
        return {};
    return itemText(index);
}
