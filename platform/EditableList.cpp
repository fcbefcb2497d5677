#include "platform/EditableList.h"

#include <QLineEdit>

EditableList::EditableList(QWidget* parent)
    : QComboBox(parent)
{
    // Our edit part is connected before QComboBox connects its own matching to it, so that
    // the guard is raised before the matching and lowered after it.
    auto* edit = new QLineEdit(this);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishingEdit = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishingEdit = false; });

    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Choosing an entry sets the text first and then the index, so a choice ends up untyped.
    connect(edit, &QLineEdit::textChanged, this, [this] { m_typed = true; });
    connect(this, &QComboBox::currentIndexChanged, this, &EditableList::chosen);
    connect(this, &QComboBox::activated, this, &EditableList::chosen);
}

void EditableList::chosen()
{
    if (!m_finishingEdit)
        m_typed = false;
}

void EditableList::addEntry(const QString& text, int itemValue)
{
    addItem(text, itemValue);
}

int EditableList::listIndex() const
{
    return m_typed ? -1 : currentIndex();
}

void EditableList::selectValue(int itemValue)
{
    setCurrentIndex(findData(itemValue));
    m_typed = false;
}

std::optional<int> EditableList::currentItemValue() const
{
    if (listIndex() < 0)
        return std::nullopt;
    return itemData(listIndex()).toInt();
}
