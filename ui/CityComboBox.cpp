#include "ui/CityComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

[[noreturn]] void noSuchEntry(int index)
{
    throw std::out_of_range(
        QStringLiteral("Lista nuk ka rresht me numrin %1.").arg(index).toStdString());
}

} // namespace

QListWidgetItem *CityComboBox::entry(int index) const
{
    if (index < 0 || index >= listCount())
        noSuchEntry(index);
    return m_list->item(index);
}

CityComboBox::CityComboBox(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);

    m_edit->setAccessibleName(QStringLiteral("Qyteti"));
    m_list->setAccessibleName(QStringLiteral("Qytetet"));
    m_list->setSortingEnabled(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Keys go to the edit field and move the list's selection from there,
    // so the whole control is one stop of the focus order.
    m_list->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);

    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        showSelectedText();
        Q_EMIT clicked();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT doubleClicked(); });
    connect(m_edit, &QLineEdit::textEdited, this, &CityComboBox::selectByTyping);
}

void CityComboBox::clear()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    m_edit->clear();
}

void CityComboBox::addItem(const QString &text)
{
    const QSignalBlocker blocker(m_list);
    m_list->addItem(text);
}

void CityComboBox::setItemData(int index, qint32 value)
{
    entry(index)->setData(Qt::UserRole, value);
}

qint32 CityComboBox::itemData(int index) const
{
    return entry(index)->data(Qt::UserRole).toInt();
}

QString CityComboBox::itemText(int index) const
{
    return entry(index)->text();
}

int CityComboBox::listCount() const
{
    return m_list->count();
}

int CityComboBox::listIndex() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void CityComboBox::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        noSuchEntry(index);
    selectRow(index);
    showSelectedText();
    Q_EMIT clicked();
}

void CityComboBox::selectRow(int index)
{
    const QSignalBlocker blocker(m_list);
    if (index < 0) {
        m_list->clearSelection();
        m_list->setCurrentItem(nullptr);
        return;
    }
    m_list->setCurrentRow(index);
    m_list->scrollToItem(m_list->item(index));
}

void CityComboBox::showSelectedText()
{
    const int index = listIndex();
    m_edit->setText(index < 0 ? QString() : itemText(index));
}

// The edit field keeps what the user typed; only the list follows it.
void CityComboBox::selectByTyping(const QString &text)
{
    int found = -1;
    for (int i = 0; !text.isEmpty() && i < listCount(); ++i) {
        if (itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            found = i;
            break;
        }
    }
    if (found == listIndex())
        return;
    selectRow(found);
    Q_EMIT clicked();
}

void CityComboBox::moveSelection(int steps)
{
    if (listCount() == 0)
        return;
    const int current = listIndex();
    const int next = current < 0 ? 0 : qBound(0, current + steps, listCount() - 1);
    if (next == current)
        return;
    selectRow(next);
    showSelectedText();
    Q_EMIT clicked();
}

int CityComboBox::rowsPerPage() const
{
    const int rowHeight = m_list->sizeHintForRow(0);
    return rowHeight > 0 ? qMax(1, m_list->viewport()->height() / rowHeight) : 1;
}

bool CityComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_edit->setFocus(Qt::MouseFocusReason);
        return false;
    }
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Up:
        moveSelection(-1);
        return true;
    case Qt::Key_Down:
        moveSelection(1);
        return true;
    case Qt::Key_PageUp:
        moveSelection(-rowsPerPage());
        return true;
    case Qt::Key_PageDown:
        moveSelection(rowsPerPage());
        return true;
    default:
        return false;
    }
}
