#include "ui/qt/ControlSync.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <algorithm>

#include "ui/qt/ClipPlayer.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/ImageStore.h"
#include "ui/qt/PictureButton.h"
#include "ui/qt/QtText.h"
#include "ui/qt/TrackBar.h"
#include "ui/qt/UpDown.h"

namespace veltrane::qt {

using ui::ControlKind;

namespace {

// Widens a rectangle by `extra` pixels away from the edge its text is aligned to.
void Grow(QRect& r, int extra, ui::TextAlign align) {
    if (extra <= 0) return;
    switch (align) {
        case ui::TextAlign::Left:
            r.setWidth(r.width() + extra);
            break;
        case ui::TextAlign::Right:
            r.setLeft(r.left() - extra);
            break;
        case ui::TextAlign::Center:
            r.adjust(-extra / 2, 0, extra - extra / 2, 0);
            break;
    }
}

// A label shows its whole text. Like a Windows static it wraps at word breaks when its
// rectangle has room for more than one line; a label in a face wider than the one the layout
// was made for grows away from its alignment edge (to its longest word, when it wraps) instead
// of cutting the text off, staying inside the window.
void PlaceLabel(QLabel* label, const ui::Control& control, QSize client) {
    QRect r = ToPixels(control.layout.rect);
    const ui::TextAlign align = control.layout.style.align;
    const QFontMetrics metrics(label->font());
    const QString shown = WithoutMnemonic(label->text());
    const int need = metrics.horizontalAdvance(shown) + 1;
    // Most of a second line is enough room: Windows would show it, clipped at the bottom.
    const bool twoLines = 2 * r.height() >= 3 * metrics.height();
    label->setWordWrap(shown.contains(u'\n') || (need > r.width() && twoLines));
    if (label->wordWrap()) {
        int widest = 0;
        for (const QString& word : shown.split(QRegularExpression(QStringLiteral("\\s+"))))
            widest = std::max(widest, metrics.horizontalAdvance(word) + 1);
        Grow(r, widest - r.width(), align);
    } else {
        Grow(r, need - r.width(), align);
    }
    if (r.right() >= client.width()) r.moveRight(client.width() - 1);
    if (r.left() < 0) r.moveLeft(0);
    const int height = label->wordWrap() ? label->heightForWidth(r.width()) : metrics.height();
    r.setHeight(std::max(r.height(), height));
    label->setGeometry(r);
}

void SyncLabel(QLabel* label, const ui::Control& control, QSize client) {
    QString text = ToQString(control.text);
    // Qt draws a label's mnemonic only when it has somewhere to send the focus.
    if (!label->buddy()) text = WithoutMnemonic(text);
    if (label->text() != text) label->setText(text);
    PlaceLabel(label, control, client);
}

void SyncPicture(QLabel* label, const ui::Control& control, ImageStore& images) {
    const QRect r = ToPixels(control.layout.rect);
    QPixmap picture;
    if (control.kind() == ControlKind::Icon) {
        picture = images.icon(control.image);
        if (picture.isNull()) picture = images.bitmap(control.image);
        if (!picture.isNull()) {
            const qreal ratio = picture.devicePixelRatio();
            const int side = qRound(32 * ratio);
            if (picture.size() != QSize(side, side)) {
                picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                picture.setDevicePixelRatio(ratio);
            }
        }
    } else {
        picture = images.bitmap(control.image);
    }
    if (picture.isNull()) {
        label->clear();
        label->setGeometry(r);
        return;
    }
    // A picture control takes the size of its picture.
    label->setPixmap(picture);
    label->setGeometry(QRect(r.topLeft(), picture.deviceIndependentSize().toSize()));
}

void SyncCombo(QComboBox* combo, const ui::ComboState& state) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(state.items.size()));
    for (const std::string& item : state.items) items << ToQString(item);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != state.selection) combo->setCurrentIndex(state.selection);
}

void SyncRadio(QRadioButton* radio, const ui::Control& control) {
    radio->setText(ToQString(control.text));
    radio->setChecked(control.checked);
    // Grow to the text like a label does, keeping the top-left corner and the vertical centre.
    QRect r = ToPixels(control.layout.rect);
    const QSize hint = radio->sizeHint();
    if (hint.width() > r.width()) r.setWidth(hint.width());
    if (hint.height() > r.height()) {
        const int extra = hint.height() - r.height();
        r.adjust(0, -extra / 2, 0, extra - extra / 2);
    }
    radio->setGeometry(r);
}

void SetAlignment(QTreeWidgetItem* item, int column, Qt::Alignment align) {
    if (item->data(column, Qt::TextAlignmentRole).value<Qt::Alignment>() != align)
        item->setTextAlignment(column, align);
}

// Brings a table's columns and then its cells in line, touching only what differs, so that
// new figures in the same rows keep the person's selected row and scroll position.
void SyncTable(QTreeWidget* table, const ui::TableState& state) {
    const int columns = static_cast<int>(state.columns.size());
    if (table->columnCount() != columns) table->setColumnCount(columns);
    QTreeWidgetItem* header = table->headerItem();
    for (int c = 0; c < columns; ++c) {
        const ui::TableColumn& column = state.columns[static_cast<std::size_t>(c)];
        const QString title = ToQString(column.title);
        if (header->text(c) != title) header->setText(c, title);
        SetAlignment(header, c, HorizontalAlignment(column.align) | Qt::AlignVCenter);
        if (table->columnWidth(c) != DluToPixelsX(column.width))
            table->setColumnWidth(c, DluToPixelsX(column.width));
    }
    const int rows = columns == 0 ? 0 : static_cast<int>(state.rows.size());
    while (table->topLevelItemCount() > rows)
        delete table->takeTopLevelItem(table->topLevelItemCount() - 1);
    while (table->topLevelItemCount() < rows) table->addTopLevelItem(new QTreeWidgetItem);
    for (int r = 0; r < rows; ++r) {
        const std::vector<std::string>& texts = state.rows[static_cast<std::size_t>(r)];
        QTreeWidgetItem* item = table->topLevelItem(r);
        for (int c = 0; c < columns; ++c) {
            const auto k = static_cast<std::size_t>(c);
            const QString text = k < texts.size() ? ToQString(texts[k]) : QString();
            if (item->text(c) != text) item->setText(c, text);
            SetAlignment(item, c, HorizontalAlignment(state.columns[k].align) | Qt::AlignVCenter);
        }
    }
}

void SyncKind(const ui::Control& control, QWidget* widget, ControlContext& context) {
    switch (control.kind()) {
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                const QString text = ToQString(control.text);
                if (edit->text() != text) edit->setText(text);  // keeps the caret while typing
            } else if (auto* field = qobject_cast<QLabel*>(widget)) {
                field->setText(ToQString(control.text));
            }
            break;
        case ControlKind::Static:
            SyncLabel(static_cast<QLabel*>(widget), control, context.clientSize);
            break;
        case ControlKind::Picture:
        case ControlKind::Icon:
            SyncPicture(static_cast<QLabel*>(widget), control, context.images);
            break;
        case ControlKind::GroupBox:
            static_cast<QGroupBox*>(widget)->setTitle(ToQString(control.text));
            break;
        case ControlKind::EtchedLine:
            break;
        case ControlKind::PushButton:
            static_cast<QPushButton*>(widget)->setText(ToQString(control.text));
            break;
        case ControlKind::PictureButton:
            static_cast<PictureButton*>(widget)->setText(ToQString(control.text));
            break;
        case ControlKind::RadioButton:
            SyncRadio(static_cast<QRadioButton*>(widget), control);
            break;
        case ControlKind::ComboBox:
            SyncCombo(static_cast<QComboBox*>(widget), control.combo);
            break;
        case ControlKind::Slider:
            static_cast<TrackBar*>(widget)->setState(control.slider,
                                                     control.layout.style.selectionBand);
            break;
        case ControlKind::Spin:
            static_cast<UpDown*>(widget)->setAccel(control.spin.accel);
            break;
        case ControlKind::Progress: {
            auto* bar = static_cast<QProgressBar*>(widget);
            const int lo = std::min(control.progress.min, control.progress.max);
            const int hi = std::max(control.progress.min, control.progress.max);
            bar->setRange(lo, hi);
            bar->setValue(std::clamp(control.progress.pos, lo, hi));
            break;
        }
        case ControlKind::Animation:
            static_cast<ClipPlayer*>(widget)->setState(control.animation,
                                                       control.layout.style.centerImage);
            break;
        case ControlKind::Table:
            SyncTable(static_cast<QTreeWidget*>(widget), control.table);
            break;
    }
}

}  // namespace

void SyncControl(const ui::Control& control, QWidget* widget, ControlContext& context) {
    if (!widget) return;
    const QFont font = ControlFont(control.font, context.dialogFont);
    if (widget->font() != font) widget->setFont(font);
    widget->setEnabled(control.enabled);
    const QString tip = ToQString(control.toolTip);
    if (widget->toolTip() != tip) widget->setToolTip(tip);
    SyncKind(control, widget, context);
}

}  // namespace veltrane::qt
