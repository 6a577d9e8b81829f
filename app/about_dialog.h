#pragma once

// "About Fretquill": the splash picture with the program's lines rising slowly through its
// black panel, one logical pixel every 25 ms, starting over when they have passed.

#include <QDialog>
#include <QStringList>
#include <QTimer>

class CPictureSet;

inline constexpr int kAboutScrollMilliseconds = 25;

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    // lines: the wrapped text, empty lines included.
    CAboutDlg(CPictureSet& pictures, QStringList lines, QWidget* parent = nullptr);

    // One step of the scroll (the timer's handler).
    void Tick();
    int Offset() const { return offset; }

private:
    CPictureSet& pictures;
    QStringList lines;
    int offset = 0;
    int textHeight = 0;
    QTimer timer;
    QWidget* panel = nullptr;
};
