#pragma once
// «Τόπος»: finds a place by name as the user types, for the window to take its longitude and
// zone. Worked from the keyboard alone: the search field has the focus, the arrow keys move in the
// list, Return chooses and Escape leaves everything as it was.

#include "places/places.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace app {

class PlaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlaceDialog(QWidget* parent);

    // The place chosen, once the dialog is accepted; none before.
    const places::Place* chosen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void describe();

    QLineEdit* field_;
    QListWidget* list_;
    QLabel* note_;
    QPushButton* choose_;
    std::vector<const places::Place*> found_;
};

} // namespace app
