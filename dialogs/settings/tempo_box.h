#pragma once

// The tempo group of the sound settings' pages: a slider from 60 to 320 beats per minute,
// the read-only "BPM:" field showing its value, and the beat light.

#include <QGroupBox>

class CBeatLamp;
class QLineEdit;
class QSlider;

class CTempoBox : public QGroupBox {
    Q_OBJECT

public:
    explicit CTempoBox(const QString& title, QWidget* parent = nullptr);

    // Shows a tempo from the settings, kept within 60..320; emits nothing.
    void SetTempo(int bpm);
    int Tempo() const;

    QSlider* Slider() const { return slider; }
    QLineEdit* Field() const { return field; }
    CBeatLamp* Lamp() const { return lamp; }

signals:
    // The player moved the slider.
    void TempoChanged(int bpm);

private:
    QSlider* slider;
    QLineEdit* field;
    CBeatLamp* lamp;
};
