#include "tracks/fColumns.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 296;

QPushButton* Button(const QString& text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TfrmColumns::TfrmColumns(ColumnChooser& chooser, QWidget* parent)
    : QDialog(parent), chooser_(chooser) {
  setObjectName(QStringLiteral("frmColumns"));
  setWindowTitle(QString::fromLatin1(kColumnsCaption));
  resize(kClientWidth, kClientHeight);

  lbl1 = new QLabel(FromUtf8(chooser.lbl1()));
  lbl1->setObjectName(QStringLiteral("lbl1"));
  lbl1->setWordWrap(true);
  lbl2 = new QLabel(QStringLiteral("Columns:"));
  lbl2->setObjectName(QStringLiteral("lbl2"));
  lstColumns = new QListWidget;
  lstColumns->setObjectName(QStringLiteral("lstColumns"));
  btnUp = Button(QStringLiteral("Move Up"), "btnUp");
  btnDown = Button(QStringLiteral("Move Down"), "btnDown");
  btnOK = Button(QStringLiteral("OK"), "btnOK");
  btnCancel = Button(QStringLiteral("Cancel"), "btnCancel");
  btnOK->setDefault(true);

  connect(lstColumns, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_) return;
    chooser_.lstColumnsClick(row);
    showChooser();
  });
  connect(lstColumns, &QListWidget::itemChanged, this, &TfrmColumns::lstColumnsClickCheck);
  connect(btnUp, &QPushButton::clicked, this, [this] {
    chooser_.btnUpClick();
    showChooser();
  });
  connect(btnDown, &QPushButton::clicked, this, [this] {
    chooser_.btnDownClick();
    showChooser();
  });
  connect(btnOK, &QPushButton::clicked, this, [this] {
    if (chooser_.btnOKEnabled()) accept();
  });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(lbl1, 0, 0, 1, 2);
  layout->addWidget(lbl2, 1, 0, 1, 2);
  layout->addWidget(lstColumns, 2, 0, 4, 1);
  layout->addWidget(btnUp, 2, 1);
  layout->addWidget(btnDown, 3, 1);
  layout->addWidget(btnOK, 4, 1, Qt::AlignBottom);
  layout->addWidget(btnCancel, 5, 1, Qt::AlignTop);
  layout->setRowStretch(4, 1);
  showChooser();
}

void TfrmColumns::showChooser() {
  showing_ = true;
  const std::vector<ColumnChoice>& entries = chooser_.lstColumns();
  if (lstColumns->count() != static_cast<int>(entries.size())) {
    lstColumns->clear();
    for (std::size_t i = 0; i < entries.size(); ++i) lstColumns->addItem(QString());
  }
  for (int i = 0; i < lstColumns->count(); ++i) {
    const ColumnChoice& entry = entries[static_cast<std::size_t>(i)];
    QListWidgetItem* item = lstColumns->item(i);
    item->setText(FromUtf8(entry.name));
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (chooser_.canCheck(i)) flags |= Qt::ItemIsUserCheckable;
    item->setFlags(flags);
    // A fixed entry is greyed, as a disabled one; it can still be selected.
    const QPalette::ColorGroup group = chooser_.canCheck(i) ? QPalette::Active : QPalette::Disabled;
    item->setForeground(palette().brush(group, QPalette::Text));
    item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
  }
  lstColumns->setCurrentRow(chooser_.selected());
  btnUp->setEnabled(chooser_.btnUpEnabled());
  btnDown->setEnabled(chooser_.btnDownEnabled());
  btnOK->setEnabled(chooser_.btnOKEnabled());
  showing_ = false;
}

void TfrmColumns::lstColumnsClickCheck(QListWidgetItem* item) {
  if (showing_) return;
  chooser_.lstColumnsClickCheck(lstColumns->row(item), item->checkState() == Qt::Checked);
  showChooser();
}
