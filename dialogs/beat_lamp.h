#pragma once

// The editor's beat light: a 15 x 15 picture, lit (196) or dark (195). Without the
// pictures it draws a lit or dark dot of its own.

#include <QLabel>

class CBeatLamp : public QLabel {
    Q_OBJECT

public:
    explicit CBeatLamp(QWidget* parent = nullptr);

    void SetLit(bool lit);
    bool IsLit() const { return lit; }

private:
    QPixmap litPicture;
    QPixmap darkPicture;
    bool lit = false;
};
