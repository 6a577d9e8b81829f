#include "app/panel_text.h"

#include <QFont>
#include <QPainter>

namespace {

QFont PanelFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    // About six pixels a character, so that a line of 32 fits the panel's 196.
    font.setPixelSize(11);
    return font;
}

}  // namespace

int PanelTextOffset(int lineCount) {
    const int textHeight = lineCount * kPanelLineHeight + 5;
    return textHeight > kTextPanel.height() ? textHeight - kTextPanel.height() : 0;
}

void DrawPanelText(QPainter& painter, const QStringList& lines, int offset, bool scrolling) {
    painter.save();
    painter.setClipRect(kTextPanel);
    painter.fillRect(kTextPanel, Qt::black);
    painter.setPen(Qt::white);
    painter.setFont(PanelFont());
    int y = scrolling ? kTextPanel.height() + 1 : 5;
    for (int i = 0; i < lines.size(); ++i) {
        if (scrolling && i > 0) {
            y += lines[i].isEmpty() ? kPanelLineHeight / 2 : kPanelLineHeight;
        } else if (!scrolling) {
            y = 5 + kPanelLineHeight * i;
        }
        const int top = kTextPanel.top() + y - offset;
        if (top + kPanelLineHeight >= kTextPanel.top() && top <= kTextPanel.bottom()) {
            painter.drawText(QRect(kTextPanel.left(), top, kTextPanel.width(), kPanelLineHeight),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, lines[i]);
        }
    }
    painter.restore();
}

int ScrollingTextHeight(const QStringList& lines) {
    int height = 2 * kTextPanel.height();
    for (int i = 1; i < lines.size(); ++i) {
        height += lines[i].isEmpty() ? kPanelLineHeight / 2 : kPanelLineHeight;
    }
    return height + kPanelLineHeight;
}
