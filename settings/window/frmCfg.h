#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>
#include <cstddef>

struct Base;
class EditableList;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmStend;

namespace platform {
class Platform;
}

// The four groups of option buttons, each in its own caption-less frame.
enum class OptionGroup { MenKol, TargetKol, TargetType, FixPause };
constexpr size_t kOptionGroupCount = 4;
constexpr size_t kMostOptions = 5; // the target types

// The settings window: the program's start and the place the operator returns to after
// every show. Its state is its controls and the settings; it keeps nothing else.
class frmCfg : public QDialog {
    Q_OBJECT
public:
    frmCfg(Base& base, platform::Platform& platform, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend struct CfgDesign;
    static constexpr size_t kSwatchCount = 7;

    void createControls();
    void centreOnScreen();
    void load();
    void chooseRecommended(OptionGroup group);

    // Checks the lists and fields in order, storing each value that passes; false after
    // telling the operator about the first that failed.
    bool ApplySettings();
    void knStartClick();
    void knDefClick();
    void swatchClick(int index);
    void exitClick();
    void linkClick();
    void optionChosen(OptionGroup group, int index);

    Base& m_base;
    platform::Platform& m_platform;
    double m_twipsPerPixel;
    QPixmap m_background;
    frmStend* m_stand = nullptr; // created at the first OK, a child window: lives as long as this one
    bool m_centredWithFrame{};   // once, when the title bar's height is first known

    QFrame* m_fraMenKol = nullptr;
    QFrame* m_fraTargetKol = nullptr;
    QFrame* m_fraTargetType = nullptr;
    QFrame* m_fraPause = nullptr;
    // By group, then by the index in the button's name (optTargetType4).
    std::array<std::array<QRadioButton*, kMostOptions>, kOptionGroupCount> m_options{};
    EditableList* m_cmbTargetShowTime = nullptr;
    EditableList* m_cmbKrug = nullptr;
    EditableList* m_cmbPause = nullptr;
    QLineEdit* m_txtTargetZoom = nullptr;
    QLineEdit* m_txtMenInterval = nullptr;
    QLineEdit* m_txtOtstup_H = nullptr;
    QLineEdit* m_txtOtstup_D = nullptr;
    QLineEdit* m_txtDx = nullptr;
    QLineEdit* m_txtDy = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_knDef = nullptr;
    QPushButton* m_knStart = nullptr;
    std::array<QLabel*, kSwatchCount> m_swatches{}; // by colour index (labFon3), not by position
};
