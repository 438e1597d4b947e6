// Keeps typing inside an edit's visible width, for fields that do not scroll sideways.
#pragma once

#include <QValidator>

class QLineEdit;

namespace veltrane::qt {

// Refuses a typed text wider than the field shows; texts set by the program are not checked.
class FitWidthValidator : public QValidator {
    Q_OBJECT
public:
    explicit FitWidthValidator(QLineEdit* edit);

    State validate(QString& input, int& pos) const override;
    // The pixels of text the field shows.
    int visibleWidth() const;

private:
    QLineEdit* m_edit;
};

}  // namespace veltrane::qt
