#pragma once

#include <QLabel>

// A one-line static text that, when its text is wider than the label, shows as much as fits
// followed by "…", and the whole text as a tooltip. The text itself stays whole: what the
// program reads back from the label is what it put there.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // Whether the text is wider than the label, so that it shows shortened.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
