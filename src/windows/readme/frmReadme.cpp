#include "frmReadme.h"

#include "base/fileio.h"
#include "base/paths.h"
#include "base/text.h"
#include "common/commands.h"
#include "common/shared.h"
#include "platform/platform.h"
#include "ui/menus.h"
#include "ui/place.h"
#include "ui/style.h"
#include "web/sites.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace gk {

namespace {
// The readme's panel, folded at the window's left edge until the readme is shown: its width in
// twips.
constexpr int kPanelWidth = 150;

// The save dialog's filter of readmes.
QString readmeFilter() {
    //: A file dialog's filter: keep "(*.txt)" as it is
    return frmReadme::tr("Readme Files (*.txt)") + QStringLiteral("|*.txt");
}
} // namespace

frmReadme::frmReadme() {
    setObjectName(QStringLiteral("frmReadme"));
    setWindowTitle(tr("Grovekeep - Readme Creator"));
    resize(twipsToPx(10635), twipsToPx(6375));
    createControls();
    createMenus();
    connectControls();
}

void frmReadme::createControls() {
    // Each label stands left of its field, its text against the field; a caption wider than
    // its design grows to the left as far as the edge of the readme's panel (txt1, folded at
    // the window's left edge), and beyond that the arrangement moves the fields.
    auto label = [this](const char* name, const QString& caption, const Twips& design,
                        int fieldLeft) {
        auto* l = place<QLabel>(this, name, caption, design);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int right = std::min(l->x() + l->width(), twipsToPx(fieldLeft) - 6);
        const int width = std::max(right - l->x(), l->sizeHint().width());
        const int left = std::max(right - width, twipsToPx(kPanelWidth));
        l->setGeometry(left, l->y(), right - left, l->height());
    };
    label("lblType", tr("Specify Type of File"), Twips{240, 240, 1575, 255}, 1800);
    label("lblTitle", tr("Title"), Twips{4080, 360, 975, 255}, 5160);
    label("lblName", tr("Your Name"), Twips{720, 720, 855, 255}, 1800);
    label("lblAddress", tr("Web Site Address"), Twips{4680, 720, 1335, 255}, 6120);
    label("lblDesc", tr("Description"), Twips{840, 1200, 855, 255}, 1800);
    label("lblComment", tr("Other Comments"), Twips{480, 3600, 1215, 255}, 1800);
    label("lblThanks", tr("Thanks to.."), Twips{840, 4560, 975, 255}, 1800);
    label("lblContact", tr("Contact mail address"), Twips{240, 5520, 1575, 255}, 1800);

    cmbType = place<QComboBox>(this, "cmbType", Twips{1800, 240, 2175, 315});
    txtTitle = place<QLineEdit>(this, "txtTitle", Twips{5160, 360, 3735, 285});
    txtName = place<QLineEdit>(this, "txtName", Twips{1800, 720, 2775, 285});
    txtAddress = place<QLineEdit>(this, "txtAddress", Twips{6120, 720, 2775, 285});
    txtDesc = place<QPlainTextEdit>(this, "txtDesc", Twips{1800, 1200, 7095, 2295});
    txtComment = place<QPlainTextEdit>(this, "txtComment", Twips{1800, 3600, 7095, 735});
    txtThanks = place<QPlainTextEdit>(this, "txtThanks", Twips{1800, 4560, 7095, 765});
    txtContact = place<QLineEdit>(this, "txtContact", Twips{1800, 5520, 7095, 285});
    // Each label names its field, for screen readers too.
    const std::pair<const char*, QWidget*> buddies[] = {
        {"lblType", cmbType},       {"lblTitle", txtTitle},    {"lblName", txtName},
        {"lblAddress", txtAddress}, {"lblDesc", txtDesc},      {"lblComment", txtComment},
        {"lblThanks", txtThanks},   {"lblContact", txtContact}};
    for (const auto& [name, field] : buddies)
        findChild<QLabel*>(QString::fromLatin1(name))->setBuddy(field);
    cmdShow = place<QPushButton>(this, "cmdShow", tr("Show File"), Twips{9240, 360, 1335, 375});
    cmdSave = place<QPushButton>(this, "cmdSave", tr("Save File"), Twips{9240, 840, 1335, 375});
    cmdExit = place<QPushButton>(this, "cmdExit", tr("Exit"), Twips{9240, 1320, 1335, 375});
    txt1 = place<QPlainTextEdit>(this, "txt1", Twips{0, 0, kPanelWidth, 6375});

    cmbType->setEditable(true);
    cmbType->setInsertPolicy(QComboBox::NoInsert);
    // What the author types is what the readme says: no completion that changes its case
    // (a typed "map" would become "Map" and gain the installation sentence).
    cmbType->setCompleter(nullptr);
    txt1->setLineWrapMode(QPlainTextEdit::NoWrap);
    txt1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt1->raise();
    for (QPlainTextEdit* box : {txtDesc, txtComment})
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (QPlainTextEdit* box : {txtDesc, txtComment, txtThanks})
        box->setTabChangesFocus(true);
    QWidget* order[] = {cmbType,   txtTitle,   txtName, txtAddress, txtDesc, txtComment,
                        txtThanks, txtContact, cmdShow, cmdSave,    cmdExit, txt1};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void frmReadme::createMenus() {
    addMenu(this, m_menus, "mnuGo", tr("Go!"),
            {{"frmShow", tr("Show File"), [this] { cmdShow_Click(); }},
             {"frmFields", tr("Enter Fields"), [this] { frmFields_Click(); }},
             {"mnuSave", tr("Save Readme"), [this] { cmdSave_Click(); }, true, QKeySequence::Save},
             {"mnuExit", tr("Exit Readme Creator"), [this] { cmdExit_Click(); }}});
}

void frmReadme::connectControls() {
    onClick(this, "cmdShow", &frmReadme::cmdShow_Click);
    onClick(this, "cmdSave", [this] { cmdSave_Click(); });
    onClick(this, "cmdExit", &frmReadme::cmdExit_Click);
    for (QLineEdit* field : {txtTitle, txtName, txtAddress, txtContact})
        connect(field, &QLineEdit::textEdited, this, &frmReadme::markChanged);
    for (QPlainTextEdit* box : {txtDesc, txtComment, txtThanks, txt1})
        connect(box, &QPlainTextEdit::textChanged, this, &frmReadme::markChanged);
    connect(cmbType, &QComboBox::editTextChanged, this, &frmReadme::markChanged);
}

void frmReadme::Form_Load() {
    // The types, and the text the field starts with, are words of the readme, which is written
    // in English whatever the language of the windows (a "Map" readme gains its installation
    // sentence).
    cmbType->addItems({QStringLiteral("Map"), QStringLiteral("Landscape"), QStringLiteral("Tatoos"),
                       QStringLiteral("Skin"), QStringLiteral("Mod")});
    cmbType->setEditText(QStringLiteral("Specify File Type"));
    m_unsaved = false;
}

ReadmeFields frmReadme::fields() const {
    // Line breaks typed in the multi-line fields go into the readme as CR LF.
    return {cmbType->currentText(),
            txtTitle->text(),
            txtName->text(),
            txtAddress->text(),
            toCrLf(txtDesc->toPlainText()),
            toCrLf(txtComment->toPlainText()),
            toCrLf(txtThanks->toPlainText()),
            txtContact->text()};
}

QString frmReadme::readmeText() const { return toCrLf(editorText(txt1)); }

void frmReadme::cmdShow_Click() {
    ReadmeShown = 1;
    Form_Resize();
    const QString composed = ComposeReadme(fields(), sites::MakerHost, sites::FanSiteHost);
    QString shown = composed;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txt1->setPlainText(shown);
    txt1->raise();
}

void frmReadme::frmFields_Click() { txt1->resize(twipsToPx(50), txt1->height()); }

bool frmReadme::cmdSave_Click() {
    const auto chosen = chooseSaveTarget(this, readmeFilter(), m_dialogFileName);
    if (!chosen)
        return false;
    const EncodedText encoded = encodeWindows1252(readmeText() + QStringLiteral("\r\n"));
    if (!encoded.lossless &&
        !confirmLossyText(this, tr("Some characters of this readme cannot be written in the "
                                   "game's character set and would be written as \"?\".\nWrite "
                                   "the readme anyway?")))
        return false;
    if (!saveUserFile(this, *chosen, encoded.bytes, QStringLiteral("Readme")))
        return false;
    m_dialogFileName = *chosen;
    m_unsaved = false;
    return true;
}

void frmReadme::cmdExit_Click() { closeWindow(this); }

void frmReadme::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmReadme::Form_Resize() {
    // Once the readme has been shown, the text area covers the whole window.
    if (ReadmeShown == 1)
        txt1->setGeometry(rect());
}

void frmReadme::closeEvent(QCloseEvent* event) {
    if (m_unsaved) {
        const Answer answer = platform().ask(
            this, tr("The readme has changes that are not saved.\nSave them first?"), true);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !cmdSave_Click())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace gk
