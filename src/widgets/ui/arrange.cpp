#include "arrange.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QList>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace gk {

namespace {

const char* const kPlaced = "gkPlaced";
const char* const kDesign = "gkDesign";
const char* const kDesignSize = "gkDesignSize";
const char* const kCaption = "gkCaption";
const char* const kTop = "gkArranged";

// The least room between two controls that make room for each other (a smaller designed gap
// stays as designed).
constexpr int kGap = 4;
// A window's margin: a control this close to an edge of what holds it keeps its distance to
// that edge, and follows the edge when the window grows.
constexpr int kEdge = 24;
// Buttons of a row this close to each other follow an edge together.
constexpr int kChain = 12;
// What a push button that grows for its caption adds around it.
constexpr int kButtonMargins = 8;
// A text box or field yields down to half its designed size, but not below this.
constexpr int kLeastArea = 48;

// ---- Rules along one axis ----

// Rules between positions along one axis, each "x[to] >= x[from] + least". Position 0 is the
// near edge of what holds the controls (at 0), position 1 its far edge.
class Axis {
public:
    explicit Axis(int count)
        : m_count(count) {}
    void atLeast(int from, int to, int least) { m_rules.push_back({from, to, least}); }
    void same(int a, int b) {
        atLeast(a, b, 0);
        atLeast(b, a, 0);
    }
    void pin(int at, int value) {
        atLeast(0, at, value);
        atLeast(at, 0, -value);
    }
    // The least value each position can take; nullopt when the rules contradict each other.
    std::optional<QList<int>> lowest() const {
        QList<int> lo(m_count, kNone);
        lo[0] = 0;
        for (int round = 0; round <= m_count; ++round) {
            bool changed = false;
            for (const Rule& r : m_rules) {
                if (lo[r.from] != kNone && lo[r.from] + r.least > lo[r.to]) {
                    lo[r.to] = lo[r.from] + r.least;
                    changed = true;
                }
            }
            if (!changed)
                return lo;
        }
        return std::nullopt;
    }
    // The greatest value each position can take, when the rules hold together.
    QList<int> highest() const {
        QList<int> hi(m_count, kOpen);
        hi[0] = 0;
        for (int round = 0; round <= m_count; ++round) {
            bool changed = false;
            for (const Rule& r : m_rules) {
                if (hi[r.to] != kOpen && hi[r.to] - r.least < hi[r.from]) {
                    hi[r.from] = hi[r.to] - r.least;
                    changed = true;
                }
            }
            if (!changed)
                break;
        }
        return hi;
    }
    // Each position in `order` in turn takes the value nearest to the one it wants that the
    // rules still leave it; then every position has its value.
    std::optional<QList<int>> settle(const QList<int>& wanted, const QList<int>& order) {
        for (const int at : order) {
            const auto lo = lowest();
            if (!lo)
                return std::nullopt;
            const QList<int> hi = highest();
            const int low = (*lo)[at];
            pin(at, std::clamp(wanted[at], low, std::max(low, hi[at])));
        }
        return lowest();
    }

private:
    static constexpr int kNone = INT_MIN / 4;
    static constexpr int kOpen = INT_MAX / 4;
    struct Rule {
        int from, to, least;
    };
    int m_count;
    QList<Rule> m_rules;
};

// How a control takes part along an axis. In the order they are settled: a rigid one keeps
// its size; a text one may give up what its text does not need; one that yields gives up
// room for its neighbours down to its least size.
enum class Give { Rigid, Text, Yield };

// A control along one axis.
struct Extent {
    int near = 0, far = 0;             // designed edges (far: one past the last pixel)
    int acrossNear = 0, acrossFar = 0; // the rows (or columns) it covers
    Give give = Give::Rigid;
    bool button = false;           // a button: the buttons of a row follow an edge together
    int size = 0;                  // a rigid one's size
    int least = 0;                 // the least size of the others
    int wantNear = 0, wantFar = 0; // where its caption puts it in the designed container
};

struct Settled {
    QList<std::pair<int, int>> spans; // near and far edge of each control
    int needed = 0;                   // the length the container needs
    int length = 0;                   // the length it has
};

// Places `items` along one axis of a container designed `designed` long; `length` is the
// length it has (nullopt: as long as designed, or as its controls need). When no control needs
// more than its designed place, each keeps it, whatever the container's size.
Settled settleAxis(const QList<Extent>& items, int designed, std::optional<int> length) {
    const int n = int(items.size());
    const bool asDesigned = std::all_of(items.begin(), items.end(), [](const Extent& e) {
        return e.wantNear == e.near && e.wantFar == e.far &&
               (e.give == Give::Rigid ? e.size == e.far - e.near : e.least <= e.far - e.near);
    });
    if (asDesigned) {
        Settled out;
        out.needed = designed;
        out.length = length ? *length : designed;
        for (const Extent& e : items)
            out.spans.emplace_back(e.near, e.far);
        return out;
    }
    const auto nearAt = [](int i) { return 2 + 2 * i; };
    const auto farAt = [](int i) { return 3 + 2 * i; };
    const auto rigid = [&](int i) { return items[i].give == Give::Rigid; };
    // The controls designed against the far edge follow it: rigid ones in a row with one of
    // them too.
    QList<bool> nearAnchored(n), farAnchored(n);
    for (int i = 0; i < n; ++i) {
        nearAnchored[i] = items[i].near <= kEdge;
        farAnchored[i] = designed - items[i].far <= kEdge;
    }
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                const Extent& a = items[i];
                const Extent& b = items[j];
                if (farAnchored[i] || !farAnchored[j] || nearAnchored[j] || !a.button ||
                    !b.button || a.far > b.near + 1 || b.near - a.far > kChain ||
                    std::min(a.acrossFar, b.acrossFar) <= std::max(a.acrossNear, b.acrossNear))
                    continue;
                farAnchored[i] = changed = true;
            }
        }
    }
    // Those that move with the far edge (a text stretches instead, its text stays).
    const auto moves = [&](int i) {
        return farAnchored[i] && !nearAnchored[i] && items[i].give != Give::Text;
    };
    const auto build = [&](bool ties) {
        Axis axis(2 + 2 * n);
        for (int i = 0; i < n; ++i) {
            const Extent& it = items[i];
            if (rigid(i)) {
                axis.atLeast(nearAt(i), farAt(i), it.size);
                axis.atLeast(farAt(i), nearAt(i), -it.size);
            } else {
                axis.atLeast(nearAt(i), farAt(i), it.least);
            }
            // The designed margins to the container's edges, up to a window's margin (a text
            // never runs past an edge); a control that grows towards one edge only may take
            // what it grows by from its margin there, down to the least gap.
            int nearMargin = std::min(it.near, kEdge);
            int farMargin = std::min(designed - it.far, kEdge);
            if (it.give == Give::Text) {
                nearMargin = std::max(0, nearMargin);
                farMargin = std::max(0, farMargin);
            }
            if (it.wantNear < it.near && it.wantFar == it.far)
                nearMargin =
                    std::max(std::min(kGap, nearMargin), nearMargin - (it.near - it.wantNear));
            if (it.wantFar > it.far && it.wantNear == it.near)
                farMargin = std::max(std::min(kGap, farMargin), farMargin - (it.wantFar - it.far));
            axis.atLeast(0, nearAt(i), nearMargin);
            axis.atLeast(farAt(i), 1, farMargin);
            // A control moves only away from what pushes it: it stays at or beyond its designed
            // near edge (or where its caption grows to), unless it moves with the far edge.
            if (!moves(i))
                axis.atLeast(0, nearAt(i), std::min(it.near, it.wantNear));
        }
        for (int i = 0; i < n; ++i) {
            const Extent& a = items[i];
            for (int j = 0; j < n; ++j) {
                const Extent& b = items[j];
                // Side by side as designed, in the same row (frames may share a pixel); a
                // text's designed place may already run into its neighbour (a label sized for
                // its text).
                const int across =
                    std::min(a.acrossFar, b.acrossFar) - std::max(a.acrossNear, b.acrossNear);
                const int lower = std::min(a.acrossFar - a.acrossNear, b.acrossFar - b.acrossNear);
                const bool apart = a.far <= b.near + 1;
                const bool text = (a.give == Give::Text || b.give == Give::Text) &&
                                  a.near < b.near && a.far < b.far && across * 2 > lower;
                if (i != j && across > 1 && (apart || text))
                    axis.atLeast(farAt(i), nearAt(j),
                                 apart ? std::min(b.near - a.far, kGap) : kGap);
                // Edges that line up as designed stay lined up (two rigid controls of
                // different sizes share one edge at most).
                if (!ties || j <= i)
                    continue;
                if (a.near == b.near)
                    axis.same(nearAt(i), nearAt(j));
                if (a.far == b.far && (!rigid(i) || !rigid(j) || a.size == b.size) &&
                    (a.near != b.near || rigid(i) == rigid(j)))
                    axis.same(farAt(i), farAt(j));
            }
        }
        return axis;
    };
    Axis axis = build(true);
    auto lowest = axis.lowest();
    if (!lowest) {
        axis = build(false);
        lowest = axis.lowest();
    }
    Settled out;
    out.needed = lowest ? (*lowest)[1] : designed;
    out.length = length ? *length : std::max(out.needed, designed);
    // What does not fit in a container that may not grow runs past its far edge.
    axis.pin(1, std::max(out.length, out.needed));

    const int grown = std::max(0, out.length - designed);
    QList<int> wanted(2 + 2 * n, 0);
    wanted[1] = out.length;
    for (int i = 0; i < n; ++i) {
        const Extent& it = items[i];
        int near = it.wantNear, far = it.wantFar;
        if (moves(i)) {
            near += grown;
            far += grown;
        } else if (farAnchored[i] && !rigid(i)) {
            far += grown;
        }
        wanted[nearAt(i)] = near;
        wanted[farAt(i)] = far;
    }
    QList<int> order;
    for (const Give give : {Give::Rigid, Give::Text, Give::Yield}) {
        QList<int> these;
        for (int i = 0; i < n; ++i) {
            if (items[i].give == give)
                these.push_back(i);
        }
        std::stable_sort(these.begin(), these.end(),
                         [&](int a, int b) { return items[a].near < items[b].near; });
        for (const int i : these) {
            order.push_back(nearAt(i));
            order.push_back(farAt(i));
        }
    }
    const auto settled = axis.settle(wanted, order);
    for (int i = 0; i < n; ++i) {
        if (settled)
            out.spans.emplace_back((*settled)[nearAt(i)], (*settled)[farAt(i)]);
        else
            out.spans.emplace_back(items[i].near, items[i].far);
    }
    return out;
}

// ---- Controls and what their captions need ----

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

bool isPicture(const QLabel* label) {
    return label->text().isEmpty() &&
           (!label->pixmap().isNull() || label->frameShape() != QFrame::NoFrame);
}

// The width the caption of `w` needs, its frame and margins included; 0 for a control without
// a caption that sets its width.
int captionWidth(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // A text the window shows later in a label (a path, a state) is shown in the room the
        // label has: only the caption it was laid out with moves its neighbours.
        if (label->text().trimmed().isEmpty() || label->wordWrap() ||
            label->text() != label->property(kCaption).toString())
            return 0;
        const int inner =
            label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
        return labelTextWidth(label) + label->width() - inner;
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || button->text().isEmpty())
        return 0;
    if (auto* tool = qobject_cast<QToolButton*>(w))
        return tool->sizeHint().width();
    // A push button with a picture is sized for its picture.
    if (!button->icon().isNull() && qobject_cast<QPushButton*>(w))
        return 0;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(w))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(w))
        contents = QStyle::SE_RadioButtonContents;
    const int has = button->style()->subElementRect(contents, &option, button).width();
    return button->fontMetrics().horizontalAdvance(
               QString(button->text()).remove(QLatin1Char('&'))) +
           button->width() - has;
}

// The area of a tab control `size` large that its pages take.
QRect pageArea(const QTabWidget* tabs, QSize size) {
    QStyleOptionTabWidgetFrame option;
    option.initFrom(tabs);
    option.rect = QRect(QPoint(0, 0), size);
    option.shape = tabs->tabBar()->shape();
    option.tabBarSize = tabs->tabBar()->sizeHint();
    option.lineWidth = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    return tabs->style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, tabs);
}

bool isPlaced(const QWidget* w) { return w->property(kPlaced).toBool(); }

// Lays a window out again when a label of it that wraps is given a text that needs more lines
// than it has (a label asks what holds it for a new layout when its text changes).
class Refit : public QObject {
public:
    using QObject::QObject;
    static Refit& instance() {
        static QPointer<Refit> refit;
        if (!refit)
            refit = new Refit(QCoreApplication::instance());
        return *refit;
    }
    void watch(QWidget* container) {
        container->removeEventFilter(this);
        container->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::LayoutRequest || !watched->isWidgetType())
            return false;
        auto* container = static_cast<QWidget*>(watched);
        for (QObject* child : container->children()) {
            auto* label = qobject_cast<QLabel*>(child);
            if (!label || !label->wordWrap() || !isPlaced(label) ||
                !label->isVisibleTo(container) ||
                label->heightForWidth(label->width()) <= label->height())
                continue;
            // (A window that places its controls for each size it takes lays them out again
            // itself.)
            for (QWidget* up = container; up; up = up->parentWidget()) {
                if (up->property(kTop).isValid()) {
                    if (up->property(kTop).toBool())
                        arrangeControls(up);
                    break;
                }
            }
            break;
        }
        return false;
    }
};

QRect designOf(QWidget* w) {
    const QVariant design = w->property(kDesign);
    if (design.isValid())
        return design.toRect();
    w->setProperty(kDesign, w->geometry());
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setProperty(kCaption, label->text());
    return w->geometry();
}

// The controls `container` lays out: those placed in it that show with it.
QList<QWidget*> controlsOf(const QWidget* container) {
    QList<QWidget*> out;
    for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (isPlaced(w) && !w->isWindow() && w->isVisibleTo(container))
            out << w;
    }
    return out;
}

QList<QWidget*> pagesOf(QTabWidget* tabs) {
    QList<QWidget*> out;
    for (int k = 0; k < tabs->count(); ++k)
        out << tabs->widget(k);
    return out;
}

int yieldingLeast(int designed) { return std::min(designed, std::max(designed / 2, kLeastArea)); }

// Lays out the controls of `container`, designed `designed` large, for the size `size` (none:
// the designed size, or what its controls need, which it then is given); `apply` places them,
// otherwise it only measures. Returns the size the controls need.
QSize arrangeIn(QWidget* container, QSize designed, std::optional<QSize> size, bool apply) {
    const QList<QWidget*> controls = controlsOf(container);
    const int n = int(controls.size());
    if (n == 0)
        return QSize(0, 0);
    QList<QRect> design(n);
    QList<QSize> holds(n); // what a box or tab control needs for its contents
    for (int i = 0; i < n; ++i) {
        QWidget* w = controls[i];
        design[i] = designOf(w);
        const QSize d = design[i].size();
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            const QSize page = pageArea(tabs, d).size();
            QSize most(tabs->tabBar()->sizeHint().width() + 4, 0);
            for (QWidget* p : pagesOf(tabs)) {
                const QSize needs = arrangeIn(p, page, std::nullopt, false);
                most = most.expandedTo(d + (needs - page));
            }
            holds[i] = most;
        } else if (!controlsOf(w).isEmpty()) {
            holds[i] = arrangeIn(w, d, std::nullopt, false);
        }
    }

    // Across.
    QList<Extent> across(n);
    QList<int> buttonWidth(n, 0);
    for (int i = 0; i < n; ++i) {
        QWidget* w = controls[i];
        const QRect& d = design[i];
        Extent& e = across[i];
        e.near = e.wantNear = d.left();
        e.far = e.wantFar = d.left() + d.width();
        e.acrossNear = d.top();
        e.acrossFar = d.top() + d.height();
        const int caption = captionWidth(w);
        auto* label = qobject_cast<QLabel*>(w);
        if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            e.give = Give::Text;
            e.least = caption;
            e.wantFar = e.near + std::max(d.width(), caption);
        } else if (qobject_cast<QAbstractButton*>(w) || (label && isPicture(label))) {
            e.give = Give::Rigid;
            e.button = label == nullptr;
            // A push button that grows gets the margins a button's text has around it.
            buttonWidth[i] = caption <= d.width()            ? d.width()
                             : qobject_cast<QPushButton*>(w) ? caption + kButtonMargins
                                                             : caption;
        } else if (label) {
            e.give = Give::Text;
            e.least = label->wordWrap() ? d.width() : caption;
            if (caption > d.width()) {
                const Qt::Alignment aligned = label->alignment() & Qt::AlignHorizontal_Mask;
                const int more = caption - d.width();
                if (aligned & Qt::AlignRight)
                    e.wantNear -= more;
                else if (aligned & Qt::AlignHCenter)
                    e.wantNear -= more / 2;
                e.wantFar = e.wantNear + caption;
            }
        } else {
            e.give = Give::Yield;
            e.least = std::max(yieldingLeast(d.width()), holds[i].width());
        }
    }
    // The buttons of a column are as wide as the widest needs; a button grows on both sides.
    for (int i = 0; i < n; ++i) {
        if (across[i].give != Give::Rigid)
            continue;
        int widest = buttonWidth[i];
        for (int j = 0; j < n; ++j) {
            if (across[j].give == Give::Rigid && qobject_cast<QAbstractButton*>(controls[j]) &&
                qobject_cast<QAbstractButton*>(controls[i]) &&
                design[j].left() == design[i].left() && design[j].right() == design[i].right())
                widest = std::max(widest, buttonWidth[j]);
        }
        Extent& e = across[i];
        e.size = widest;
        e.wantNear = e.near - (widest - (e.far - e.near)) / 2;
        e.wantFar = e.wantNear + widest;
    }
    const Settled h = settleAxis(across, designed.width(),
                                 size ? std::optional<int>(size->width()) : std::nullopt);

    // Down: a label that wraps takes the lines its text needs at the width it was given.
    QList<Extent> down(n);
    for (int i = 0; i < n; ++i) {
        QWidget* w = controls[i];
        const QRect& d = design[i];
        Extent& e = down[i];
        e.near = e.wantNear = d.top();
        e.far = e.wantFar = d.top() + d.height();
        e.acrossNear = h.spans[i].first;
        e.acrossFar = h.spans[i].second;
        e.button = across[i].button;
        if (across[i].give == Give::Yield) {
            e.give = Give::Yield;
            e.least = std::max(yieldingLeast(d.height()), holds[i].height());
            continue;
        }
        e.give = Give::Rigid;
        e.size = d.height();
        if (auto* label = qobject_cast<QLabel*>(w);
            label && label->wordWrap() && !label->text().trimmed().isEmpty()) {
            const int width = e.acrossFar - e.acrossNear;
            e.size = std::max(e.size, label->heightForWidth(width));
        }
        e.wantFar = e.wantNear + e.size;
    }
    const Settled v = settleAxis(down, designed.height(),
                                 size ? std::optional<int>(size->height()) : std::nullopt);

    if (apply) {
        Refit::instance().watch(container);
        for (int i = 0; i < n; ++i) {
            QWidget* w = controls[i];
            const QRect r(QPoint(h.spans[i].first, v.spans[i].first),
                          QPoint(h.spans[i].second - 1, v.spans[i].second - 1));
            if (w->geometry() != r)
                w->setGeometry(r);
            const QSize d = design[i].size();
            if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
                const QSize page = pageArea(tabs, d).size();
                const QSize now = pageArea(tabs, r.size()).size();
                for (QWidget* p : pagesOf(tabs))
                    arrangeIn(p, page, now, true);
            } else if (!controlsOf(w).isEmpty()) {
                arrangeIn(w, d, r.size(), true);
            }
        }
    }
    return QSize(h.needed, v.needed);
}

QSize designedSizeOf(QWidget* window) {
    const QVariant recorded = window->property(kDesignSize);
    if (recorded.isValid())
        return recorded.toSize();
    window->setProperty(kDesignSize, window->size());
    return window->size();
}

// Gives `window` the size `size`: a window of fixed size keeps to the new one, and one with a
// least size may no longer get smaller than designed by as much as it grew.
void growWindow(QWidget* window, QSize size, QSize designed) {
    const QSize before = window->size();
    if (window->minimumSize() == window->maximumSize()) {
        window->setFixedSize(size);
    } else {
        if (!window->minimumSize().isNull())
            window->setMinimumSize(window->minimumSize() +
                                   (size - designed).expandedTo(QSize(0, 0)));
        window->resize(size);
    }
    // Inside the main window, the frame grows with it.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->resize(sub->size() + (window->size() - before));
}

} // namespace

void markPlaced(QWidget* control) { control->setProperty(kPlaced, true); }

void setDesignedPlace(QWidget* control, const QRect& rect) {
    markPlaced(control);
    control->setProperty(kDesign, rect);
}

void arrangeControls(QWidget* window) {
    window->setProperty(kTop, true);
    const QSize designed = designedSizeOf(window);
    QSize size = arrangeIn(window, designed, std::nullopt, false).expandedTo(designed);
    // A window does not shrink under the user's eyes.
    if (window->isVisible())
        size = size.expandedTo(window->size());
    arrangeIn(window, designed, size, true);
    if (size != window->size())
        growWindow(window, size, designed);
}

void arrangeInPlace(QWidget* container) {
    container->setProperty(kTop, false);
    arrangeIn(container, container->size(), container->size(), true);
}

} // namespace gk
