#include "app/placedialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

namespace {

// The list shows this many lines before it scrolls, and is this many average characters wide.
constexpr int ListLines = 12;
constexpr int ListCharacters = 56;

QString lineOf(const places::Place& place) {
    return QStringLiteral("%1 — %2, %3")
        .arg(place.name, place.country, places::longitudeText(places::dmsOf(place.longitude)));
}

} // namespace

PlaceDialog::PlaceDialog(QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(this)), list_(new QListWidget(this)),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("placeDialog"));
    setWindowTitle(QStringLiteral("Τόπος"));
    field_->setObjectName(QStringLiteral("placeSearch"));
    field_->setPlaceholderText(QStringLiteral("Όνομα πόλης, π.χ. Καλαμάτα"));
    field_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("placeList"));
    list_->setUniformItemSizes(true);
    list_->setFocusPolicy(Qt::NoFocus); // the keys reach it through the search field
    note_->setObjectName(QStringLiteral("placeNote"));
    note_->setWordWrap(true);

    auto* prompt = new QLabel(QStringLiteral("&Αναζήτηση:"), this);
    prompt->setBuddy(field_);
    auto* source = new QLabel(QStringLiteral("Πηγή: GeoNames (geonames.org), CC BY 4.0"), this);
    source->setObjectName(QStringLiteral("placeSource"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    choose_ = buttons->button(QDialogButtonBox::Ok);
    choose_->setText(QStringLiteral("Επιλογή"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Ακύρωση"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(field_);
    layout->addWidget(list_);
    layout->addWidget(note_);
    layout->addWidget(source);
    layout->addWidget(buttons);
    const QFontMetrics metrics(list_->font());
    list_->setMinimumSize(metrics.averageCharWidth() * ListCharacters,
                          metrics.height() * ListLines);

    connect(field_, &QLineEdit::textChanged, this, &PlaceDialog::search);
    connect(list_, &QListWidget::currentRowChanged, this, &PlaceDialog::describe);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    field_->installEventFilter(this);
    search();
    field_->setFocus();
}

const places::Place* PlaceDialog::chosen() const {
    const int row = list_->currentRow();
    if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(found_.size()))
        return nullptr;
    return found_[static_cast<std::size_t>(row)];
}

void PlaceDialog::search() {
    found_ = places::findPlaces(field_->text());
    list_->clear();
    for (const places::Place* place : found_) list_->addItem(lineOf(*place));
    if (!found_.empty()) list_->setCurrentRow(0);
    describe();
}

// Under the list: no match, or a place whose zone the window's list lacks.
void PlaceDialog::describe() {
    const int row = list_->currentRow();
    choose_->setEnabled(row >= 0);
    if (row < 0) {
        note_->setText(field_->text().trimmed().isEmpty() ? QString()
                                                          : QStringLiteral("Δεν βρέθηκε τόπος."));
        return;
    }
    const places::Place& place = *found_[static_cast<std::size_t>(row)];
    note_->setText(places::zoneItemOf(place.standardOffset)
                       ? QString()
                       : QStringLiteral("Η ζώνη ώρας αυτού του τόπου δεν υπάρχει στη λίστα: "
                                        "θα συμπληρωθεί μόνο το γεωγραφικό μήκος."));
}

// The arrow and page keys move in the list while the search field keeps the focus.
bool PlaceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace app
