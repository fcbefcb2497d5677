#pragma once

#include <QComboBox>

#include <optional>

// A drop-down list whose edit part the operator may type into. Typing leaves the list
// without a current entry, even when the typed text matches one: only a picked entry counts.
class EditableList : public QComboBox {
    Q_OBJECT
public:
    explicit EditableList(QWidget* parent = nullptr);

    void addEntry(const QString& text, int itemValue);
    // -1 when nothing is picked or the operator has typed since.
    int listIndex() const;
    void select(int index);
    std::optional<int> currentItemValue() const;

private:
    bool m_typed = false;
};
