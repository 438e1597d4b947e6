#include "ui/qt/ControlFactory.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "ui/qt/ClipPlayer.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/FitWidthValidator.h"
#include "ui/qt/ImageStore.h"
#include "ui/qt/PictureButton.h"
#include "ui/qt/TrackBar.h"
#include "ui/qt/UpDown.h"

namespace veltrane::qt {

using ui::ControlKind;

namespace {

// A radio button answers a click anywhere on its rectangle, not only on its circle and text.
class DialogRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QWidget* CreateEdit(const ui::ControlLayout& layout, QWidget* parent) {
    if (layout.style.multiLine && layout.style.readOnly) {
        // A read-only multi-line field only ever shows text: a framed, selectable label.
        auto* field = new QLabel(parent);
        field->setTextFormat(Qt::PlainText);
        field->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        field->setWordWrap(true);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (layout.style.border) field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return field;
    }
    auto* edit = new QLineEdit(parent);
    edit->setFrame(layout.style.border);
    edit->setAlignment(HorizontalAlignment(layout.style.align) | Qt::AlignVCenter);
    edit->setReadOnly(layout.style.readOnly);
    if (layout.style.noHorizontalScroll) edit->setValidator(new FitWidthValidator(edit));
    if (layout.style.readOnly) {
        // Read-only fields show the dialog face, not the white of a field one can type into.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    return edit;
}

QWidget* CreateLabel(const ui::ControlLayout& layout, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(HorizontalAlignment(layout.style.align) | Qt::AlignTop);
    return label;
}

QWidget* CreatePictureButton(const ui::ControlLayout& layout, QWidget* parent, ImageStore& images) {
    auto* button = new PictureButton(parent);
    button->setGeometry(ToPixels(layout.rect));
    button->setImages(images.bitmap(layout.images[0]), images.bitmap(layout.images[1]),
                      images.bitmap(layout.images[2]));
    return button;
}

QWidget* CreateCombo(const ui::ControlLayout& layout, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    // The layout's height includes the dropped list; the closed box is as high as its font
    // needs, and the list shows as many rows as the rest of that height holds.
    const QRect r = ToPixels(layout.rect);
    const int closed = combo->sizeHint().height();
    combo->setGeometry(r.x(), r.y(), r.width(), closed);
    const int row = combo->fontMetrics().height() + 2;
    combo->setMaxVisibleItems(std::max(3, (r.height() - closed) / std::max(1, row)));
    return combo;
}

// A table only shows its rows: one may select a row and scroll, but not edit, sort, fold, move
// or resize the columns, which keep the widths the layout gives them.
QWidget* CreateTable(QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setRootIsDecorated(false);
    table->setItemsExpandable(false);
    table->setUniformRowHeights(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAllColumnsShowFocus(true);
    table->setSortingEnabled(false);
    table->setColumnCount(0);
    QHeaderView* header = table->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    return table;
}

QWidget* Create(const ui::ControlLayout& layout, QWidget* parent, ControlContext& context) {
    switch (layout.kind) {
        case ControlKind::Edit:
            return CreateEdit(layout, parent);
        case ControlKind::Static:
            return CreateLabel(layout, parent);
        case ControlKind::Picture:
        case ControlKind::Icon:
            return new QLabel(parent);
        case ControlKind::GroupBox:
            return new QGroupBox(parent);
        case ControlKind::EtchedLine: {
            auto* line = new QFrame(parent);
            line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            return line;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);  // the view decides what Enter presses
            button->setDefault(layout.style.defaultButton);
            return button;
        }
        case ControlKind::PictureButton:
            return CreatePictureButton(layout, parent, context.images);
        case ControlKind::RadioButton: {
            auto* radio = new DialogRadioButton(parent);
            radio->setAutoExclusive(false);  // the window logic keeps its groups
            return radio;
        }
        case ControlKind::ComboBox:
            return CreateCombo(layout, parent);
        case ControlKind::Slider:
            return new TrackBar(parent);
        case ControlKind::Spin:
            return new UpDown(parent);
        case ControlKind::Progress: {
            auto* bar = new QProgressBar(parent);
            bar->setTextVisible(false);
            return bar;
        }
        case ControlKind::Animation:
            return new ClipPlayer(context.images, parent);
        case ControlKind::Table:
            return CreateTable(parent);
    }
    return nullptr;
}

}  // namespace

Qt::Alignment HorizontalAlignment(ui::TextAlign align) {
    switch (align) {
        case ui::TextAlign::Center:
            return Qt::AlignHCenter;
        case ui::TextAlign::Right:
            return Qt::AlignRight;
        case ui::TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

QWidget* CreateControlWidget(const ui::Control& control, QWidget* parent, ControlContext& context) {
    QWidget* widget = Create(control.layout, parent, context);
    if (!widget) return nullptr;
    const ControlKind kind = control.kind();
    if (kind != ControlKind::PictureButton && kind != ControlKind::ComboBox)
        widget->setGeometry(ToPixels(control.layout.rect));
    if (IsStaticKind(kind)) widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

bool IsStaticKind(ControlKind kind) {
    return kind == ControlKind::Static || kind == ControlKind::Picture ||
           kind == ControlKind::Icon || kind == ControlKind::GroupBox ||
           kind == ControlKind::EtchedLine;
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::PushButton ||
           kind == ControlKind::PictureButton || kind == ControlKind::RadioButton ||
           kind == ControlKind::ComboBox || kind == ControlKind::Slider ||
           kind == ControlKind::Table;
}

}  // namespace veltrane::qt
