#include "place.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace gk {

void centreOnScreen(QWidget* window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame(QPoint(0, 0), window->frameGeometry().size());
    frame.moveCenter(available.center());
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

void applyGeometry(QWidget* w, const Px& r) {
    QSize size(r.width, r.height);
    if (r.width < 0 || r.height < 0) {
        const QSize hint = w->sizeHint();
        if (r.width < 0)
            size.setWidth(hint.width());
        if (r.height < 0)
            size.setHeight(hint.height());
    }
    w->setGeometry(QRect(QPoint(r.left, r.top), size));
}

namespace {

// How wide a label's text is in its font.
int labelTextWidth(const QLabel* label) {
    const QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setDefaultFont(label->font());
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        return int(std::ceil(doc.idealWidth()));
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
    return widest;
}

// The labels beside the label `w` in its row whose near edge lies over its caption (`text`, where
// the caption is drawn), or closer to it than a small gap, give way: that edge moves, the far one
// stays. (A label's text would be drawn over; other controls, and those shown at other times,
// such as another step's, are left as designed.)
void makeRoom(QWidget* w, const QRect& text, Qt::Alignment alignment) {
    constexpr int kGap = 4;
    const QWidget* parent = w->parentWidget();
    if (!parent)
        return;
    const QRect r = w->geometry();
    for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QRect o = other->geometry();
        // In the same row: they share more than half of the lower one's height.
        const int shared = std::min(o.bottom(), r.bottom()) - std::max(o.top(), r.top()) + 1;
        if (other == w || !qobject_cast<QLabel*>(other) || other->isHidden() != w->isHidden() ||
            shared * 2 <= std::min(o.height(), r.height()) || o.contains(r))
            continue;
        // A caption pushes away from the side it is aligned to.
        if (!(alignment & Qt::AlignRight) && o.left() > r.left() &&
            o.left() < text.right() + 1 + kGap)
            o.setLeft(std::min(text.right() + 1 + kGap, o.right()));
        else if (!(alignment & Qt::AlignLeft) && o.right() < r.right() &&
                 o.right() > text.left() - 1 - kGap)
            o.setRight(std::max(text.left() - 1 - kGap, o.left()));
        else
            continue;
        other->setGeometry(o);
    }
}

// Where a caption `width` pixels wide is drawn in `area` with `alignment`.
QRect textArea(const QRect& area, int width, Qt::Alignment alignment) {
    QRect text(area.left(), area.top(), width, area.height());
    if (alignment & Qt::AlignRight)
        text.moveRight(area.right());
    else if (alignment & Qt::AlignHCenter)
        text.moveLeft(area.left() + (area.width() - width) / 2);
    return text;
}

// Widens `w` by `more` pixels, towards its right, its left or (both) equally on each side,
// without leaving its parent on the left.
void widen(QWidget* w, int more, Qt::Alignment towards) {
    QRect r = w->geometry();
    if (towards == Qt::AlignLeft)
        r.setLeft(r.left() - more);
    else if (towards == Qt::AlignHCenter)
        r.adjust(-(more / 2), 0, more - more / 2, 0);
    else
        r.setRight(r.right() + more);
    if (r.left() < 0)
        r.moveLeft(0);
    w->setGeometry(r);
}

} // namespace

void fitCaption(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().trimmed().isEmpty())
            return;
        if (label->wordWrap()) {
            const int needs = label->heightForWidth(label->width());
            if (needs > label->height())
                label->resize(label->width(), needs);
            return;
        }
        const int has =
            label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
        const int needs = labelTextWidth(label);
        const Qt::Alignment aligned = label->alignment() & Qt::AlignHorizontal_Mask;
        if (needs > has)
            widen(label, needs - has,
                  aligned & Qt::AlignRight     ? Qt::AlignLeft
                  : aligned & Qt::AlignHCenter ? Qt::AlignHCenter
                                               : Qt::AlignRight);
        const QRect inner = label->contentsRect()
                                .adjusted(label->margin(), 0, -label->margin(), 0)
                                .translated(label->pos());
        makeRoom(label, textArea(inner, needs, aligned), aligned);
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    // Picture buttons are sized for their picture.
    if (!button || button->text().isEmpty() || qobject_cast<QToolButton*>(control) ||
        !button->icon().isNull())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    Qt::Alignment towards = Qt::AlignHCenter;
    if (qobject_cast<QCheckBox*>(control)) {
        contents = QStyle::SE_CheckBoxContents;
        towards = Qt::AlignRight;
    } else if (qobject_cast<QRadioButton*>(control)) {
        contents = QStyle::SE_RadioButtonContents;
        towards = Qt::AlignRight;
    }
    const int has = button->style()->subElementRect(contents, &option, button).width();
    const int needs =
        button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
    if (needs > has)
        widen(button, needs - has, towards);
}

void fitCaptions(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>())
        fitCaption(control);
}

QList<QPushButton*> placeButtons(QWidget* parent, std::initializer_list<ButtonSpec> buttons) {
    QList<QPushButton*> out;
    for (const ButtonSpec& b : buttons)
        out << place<QPushButton>(parent, b.name, b.caption, b.rect);
    return out;
}

void enableButtons(QWidget* parent, std::initializer_list<const char*> names, bool enabled) {
    for (const char* name : names) {
        auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(name));
        Q_ASSERT_X(button, "enableButtons", name);
        button->setEnabled(enabled);
    }
}

} // namespace gk
