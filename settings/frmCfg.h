#pragma once

#include <QDialog>
#include <QPixmap>

struct Base;
class EditableList;
class QLineEdit;
class QPushButton;
class frmStend;

namespace platform {
class Platform;
}

// The four groups of option buttons, each in its own caption-less frame.
enum class OptionGroup { MenKol, TargetKol, TargetType, FixPause };

// The settings window: the program's start and the place the operator returns to after
// every show. Its state is its controls and the settings; it keeps nothing else.
class frmCfg : public QDialog {
    Q_OBJECT
public:
    static constexpr double kClientWidth = 11835; // twips
    static constexpr double kClientHeight = 8520;

    frmCfg(Base& base, platform::Platform& platform, QWidget* parent = nullptr);

    // Checks the lists and fields in order, storing each value that passes; false after
    // telling the operator about the first that failed.
    bool ApplySettings();

    // Handlers, callable directly by tests.
    void knStartClick();
    void knDefClick();
    void swatchClick(int index);
    void exitClick();
    void linkClick();
    void optionChosen(OptionGroup group, int index);

    // Created at the first OK and reused for the rest of the run.
    frmStend* stand() const { return m_stand; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void centreOnScreen();
    void load();
    void showStandModally();

    EditableList* list(const char* name) const;
    QLineEdit* field(const char* name) const;
    bool refuse(const QString& message);

    Base& m_base;
    platform::Platform& m_platform;
    double m_twipsPerPixel;
    QPixmap m_background;
    frmStend* m_stand = nullptr;     // a child window: lives as long as this one
    bool m_centredWithFrame = false; // once, when the title bar's height is first known
};
