#include "dialogs/settings/tempo_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include "dialogs/beat_lamp.h"
#include "music/tempo_range.h"

CTempoBox::CTempoBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent),
      slider(new QSlider(Qt::Horizontal)),
      field(new QLineEdit),
      lamp(new CBeatLamp) {
    slider->setRange(kLowestTempo, kHighestTempo);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setAccessibleName(QStringLiteral("Tempo"));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignRight);
    // Wide enough for "320" and no wider.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    auto* label = new QLabel(QStringLiteral("BPM:"));
    label->setBuddy(slider);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(slider, 1);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(lamp);

    connect(slider, &QSlider::valueChanged, this, [this](int bpm) {
        field->setText(QString::number(bpm));
        emit TempoChanged(bpm);
    });
}

void CTempoBox::SetTempo(int bpm) {
    const QSignalBlocker blocker(slider);
    slider->setValue(ClampTempo(bpm));
    field->setText(QString::number(slider->value()));
}

int CTempoBox::Tempo() const {
    return slider->value();
}
