#include "dialogs/favorite_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "library/favorite.h"
#include "library/favorite_add.h"
#include "library/favorite_edit.h"
#include "library/favorites_list.h"
#include "library/library_file.h"
#include "library/library_messages.h"
#include "util/prompter.h"

namespace {

// A multi-line box that takes at most `limit` characters, typed or pasted.
void LimitLength(QPlainTextEdit* edit, int limit) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
        const QString text = edit->toPlainText();
        if (text.size() <= limit) {
            return;
        }
        QTextCursor cursor = edit->textCursor();
        const int position = std::min<int>(cursor.position(), limit);
        edit->setPlainText(text.left(limit));
        cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    });
}

}  // namespace

CFavoriteDlg::CFavoriteDlg(CFavoritesList& list, Prompter& messages, const CFavoriteDlgInput& given,
                           QWidget* parent)
    : CFramedDialog(QString::fromStdString(given.caption.empty() ? "Add Favorite" : given.caption),
                    parent),
      favorites(list),
      prompter(messages),
      input(given) {
    const CFavoriteTexts texts = FavoriteTexts(input.mode, input.chord, input.note, input.type);

    auto* layout = new QVBoxLayout(Body());
    auto* form = new QFormLayout;
    nameEdit = new QLineEdit(Body());
    nameEdit->setMaxLength(kFavoriteNameLimit);
    std::string name = input.name;
    if (name.empty()) {
        name = texts.proposedName;
    }
    nameEdit->setText(QString::fromStdString(name).left(kFavoriteNameLimit));
    form->addRow("&Name:", nameEdit);
    descriptionEdit = new QPlainTextEdit(Body());
    descriptionEdit->setTabChangesFocus(true);
    descriptionEdit->setPlainText(QString::fromStdString(input.description));
    LimitLength(descriptionEdit, kFavoriteDescriptionLimit);
    descriptionEdit->setFixedHeight(descriptionEdit->fontMetrics().lineSpacing() * 4 + 12);
    form->addRow("&Description:", descriptionEdit);
    layout->addLayout(form);

    auto* details = new QGroupBox("Favorite", Body());
    auto* detailsForm = new QFormLayout(details);
    const auto addShown = [&](const char* label, const std::string& text) {
        auto* value = new QLabel(QString::fromStdString(text), details);
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        detailsForm->addRow(label, value);
        shown.append({label, value});
    };
    addShown("Mode:", texts.mode);
    addShown("Note:", texts.note);
    addShown("Type:", texts.type);
    addShown("Variation:", texts.variation);
    addShown("Dynamic:", texts.dynamic);
    layout->addWidget(details);
    layout->addStretch(1);

    nameEdit->setFocus();
    nameEdit->selectAll();
    setMinimumWidth(360);
}

std::string CFavoriteDlg::Name() const {
    return TrimSpaces(nameEdit->text().toStdString());
}

std::string CFavoriteDlg::Description() const {
    return descriptionEdit->toPlainText().toStdString();
}

QString CFavoriteDlg::ShownText(const QString& label) const {
    for (const auto& [name, value] : shown) {
        if (name == label) {
            return value->text();
        }
    }
    return {};
}

bool CFavoriteDlg::OnOk() {
    const std::string name = Name();
    bool ok = false;
    if (input.editing != nullptr) {
        ok = CheckEditedFavoriteName(favorites, *input.editing, name, prompter);
    } else if (name.empty()) {
        prompter.Show(PromptKind::Information, kLibraryMessageTitle, kEnterFavoriteName);
    } else {
        ok = CFavoriteAdd::ConfirmName(favorites, input.tuningKey, input.mode, name, nullptr,
                                       prompter);
    }
    if (!ok) {
        nameEdit->setFocus();
        nameEdit->selectAll();
    }
    return ok;
}
