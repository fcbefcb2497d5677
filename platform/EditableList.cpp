#include "EditableList.h"

#include <QLineEdit>

EditableList::EditableList(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typed = true; });
    connect(this, &QComboBox::activated, this, [this] { m_typed = false; });
}

void EditableList::addEntry(const QString& text, int itemValue)
{
    addItem(text, itemValue);
}

int EditableList::listIndex() const
{
    return m_typed ? -1 : currentIndex();
}

void EditableList::select(int index)
{
    setCurrentIndex(index);
    m_typed = false;
}

std::optional<int> EditableList::currentItemValue() const
{
    if (listIndex() < 0)
        return std::nullopt;
    return itemData(listIndex()).toInt();
}
