#pragma once

// The beat light of the sound settings' pages: a 15 by 15 lamp, dark green (picture 195) or
// lit bright green (picture 196). Without the pictures it draws a plain disc of the same
// colours, so the tempo still shows.

#include <QWidget>

class CBeatLamp : public QWidget {
    Q_OBJECT

public:
    explicit CBeatLamp(QWidget* parent = nullptr);

    void SetLit(bool lit);
    bool IsLit() const { return lit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lit = false;
};
