#include "ui/qt/FitWidthValidator.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace veltrane::qt {

namespace {

// The gap QLineEdit keeps between its contents rectangle and the text, on either side.
constexpr int kLineEditTextMargin = 2;

}  // namespace

FitWidthValidator::FitWidthValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}

int FitWidthValidator::visibleWidth() const {
    QStyleOptionFrame option;
    option.initFrom(m_edit);
    option.rect = m_edit->rect();
    option.lineWidth = m_edit->hasFrame() ? m_edit->style()->pixelMetric(
                                                QStyle::PM_DefaultFrameWidth, &option, m_edit)
                                          : 0;
    const QRect contents =
        m_edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, m_edit);
    const QMargins margins = m_edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditTextMargin;
}

QValidator::State FitWidthValidator::validate(QString& input, int&) const {
    // Taking characters away is always allowed, even from a text the program made too wide.
    if (input.size() < m_edit->text().size()) return Acceptable;
    return m_edit->fontMetrics().horizontalAdvance(input) <= visibleWidth() ? Acceptable : Invalid;
}

}  // namespace veltrane::qt
