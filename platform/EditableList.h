#pragma once

#include <QComboBox>

#include <optional>

// A drop-down list whose edit part the operator may type into. Any change of the edit text
// other than choosing an entry leaves the list without a current entry, even when the text
// matches one: only a chosen entry counts.
class EditableList : public QComboBox {
    Q_OBJECT
public:
    explicit EditableList(QWidget* parent = nullptr);

    void addEntry(const QString& text, int itemValue);
    // -1 when nothing is chosen or the edit text has changed since.
    int listIndex() const;
    // Chooses the entry holding itemValue; none when no entry holds it.
    void selectValue(int itemValue);
    std::optional<int> currentItemValue() const;

private:
    void chosen();

    bool m_typed{};
    // While the edit part finishes editing, QComboBox picks the entry whose text equals the
    // typed text; that is no choice of the operator's.
    bool m_finishingEdit{};
};
