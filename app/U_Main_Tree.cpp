#include "app/U_Main.h"

#include "common/ui/EventHook.h"

#include <QAction>
#include <QDateEdit>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTreeWidget>

#include <functional>

namespace kelvaro
{

namespace
{

constexpr int kPictureSize = 24;
constexpr int kTreeIndent = 27;
constexpr int kPatientRole = Qt::UserRole; // a leaf's position in TreePatients

QPixmap Picture(const std::function<void(QPainter&)>& draw)
{
    QPixmap picture(kPictureSize, kPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return picture;
}

// Picture 0 (a closed folder) and picture 1 (the same folder open, shown
// while the node is selected) for roots and sections.
QIcon FolderIcon()
{
    const QColor edge(150, 110, 30);
    QIcon icon(Picture([&](QPainter& p) {
        p.setPen(edge);
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2.5, 6.5, 19, 14));
        p.drawRect(QRectF(2.5, 4.5, 8, 3));
    }));
    icon.addPixmap(
        Picture([&](QPainter& p) {
            p.setPen(edge);
            p.setBrush(QColor(230, 185, 70));
            p.drawRect(QRectF(2.5, 4.5, 17, 16));
            p.setBrush(QColor(255, 225, 130));
            p.drawPolygon(QPolygonF({{2.5, 20.5}, {6.5, 10.5}, {22.5, 10.5}, {19.5, 20.5}}));
        }),
        QIcon::Selected);
    return icon;
}

// Picture 2, for a patient, in both states.
QIcon PatientIcon()
{
    const QPixmap picture = Picture([](QPainter& p) {
        p.setPen(QColor(30, 80, 150));
        p.setBrush(QColor(90, 150, 220));
        p.drawEllipse(QRectF(8, 2.5, 8, 8));
        QPainterPath body;
        body.moveTo(4, 22);
        body.cubicTo(4, 11, 20, 11, 20, 22);
        body.closeSubpath();
        p.drawPath(body);
    });
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& text, const QIcon& icon)
{
    auto* node = new QTreeWidgetItem(parent, {text});
    node->setIcon(0, icon);
    return node;
}

// Repaints the tree once, when the rebuild ends however it ends.
class BulkUpdate
{
public:
    explicit BulkUpdate(QTreeWidget* tree) : tree_(tree) { tree_->setUpdatesEnabled(false); }
    ~BulkUpdate() { tree_->setUpdatesEnabled(true); }
    BulkUpdate(const BulkUpdate&) = delete;
    BulkUpdate& operator=(const BulkUpdate&) = delete;

private:
    QTreeWidget* tree_;
};

} // namespace

void TF_Main::LoadPatientTreeData()
{
    ReadTreePatients(DBConnect, SharedDialect(), DTBegin2->date(), DTEnd2->date(), TreePatients);
}

// A failed read of the sections leaves the tree with the nodes added so far.
void TF_Main::BuildPatientTree()
{
    const BulkUpdate bulk(PatientTreeView);
    PatientTreeView->clear();
    const QIcon folder = FolderIcon();
    QTreeWidgetItem* root = PatientTreeView->invisibleRootItem();
    QTreeWidgetItem* inHospital = AddNode(root, QStringLiteral("在院病人"), folder);
    QTreeWidgetItem* discharged = AddNode(root, QStringLiteral("出院病人"), folder);
    QStringList sections;
    LoadTreeSections(DBConnect, sections);
    for (const QString& section : sections) {
        AddSectionPatients(AddNode(inHospital, section, folder), section, kInHospital);
        AddSectionPatients(AddNode(discharged, section, folder), section, kDischarged);
    }
    PatientTreeView->expandAll();
}

void TF_Main::AddSectionPatients(QTreeWidgetItem* sectionNode, const QString& section, int status)
{
    const QIcon picture = PatientIcon();
    for (const int at : SectionPatients(TreePatients, section, status)) {
        const PatientInfo& patient = TreePatients[size_t(at)];
        QTreeWidgetItem* leaf = AddNode(
            sectionNode, patient.Name + QLatin1Char('[') + patient.SerialNumber + QLatin1Char(']'),
            picture);
        leaf->setData(0, kPatientRole, at);
        leaf->setToolTip(0, QStringLiteral("姓名：%1\n住院号：%2\n科室：%3")
                                .arg(patient.Name, patient.SerialNumber, section));
    }
}

const PatientInfo* TF_Main::SelectedPatient() const
{
    const QTreeWidgetItem* node = PatientTreeView->currentItem();
    if (!node || !node->parent() || !node->parent()->parent())
        return nullptr;
    const QVariant at = node->data(0, kPatientRole);
    if (!at.isValid() || at.toInt() < 0 || at.toInt() >= int(TreePatients.size()))
        return nullptr;
    return &TreePatients[size_t(at.toInt())];
}

void TF_Main::BtnRefreshTreeClick()
{
    LoadPatientTreeData();
    BuildPatientTree();
}

void TF_Main::DTBegin2Change()
{
    LoadPatientTreeData();
    BuildPatientTree();
}

// The chart menu items make sense only on a patient; a root or section hides them.
void TF_Main::AdvPopupMenu3Popup()
{
    const QTreeWidgetItem* node = PatientTreeView->currentItem();
    const bool onBranch = node && (!node->parent() || !node->parent()->parent()) &&
                          !node->data(0, kPatientRole).isValid();
    if (onBranch) {
        for (QAction* item : {N8, N12, N13})
            item->setVisible(false);
        return;
    }
    N8->setVisible(true);
    if (UserNumber.toLower() == QStringLiteral("admin")) {
        N12->setVisible(true);
        N13->setVisible(true);
    }
}

// A right-button press selects the node under the pointer, so that the pop-up
// menu acts on it; the press goes no further, so empty space changes nothing.
void TF_Main::InstallTreeHooks()
{
    PatientTreeView->setIndentation(kTreeIndent);
    PatientTreeView->setIconSize(QSize(kPictureSize, kPictureSize));
    PatientTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OnEvent(PatientTreeView->viewport(), QEvent::MouseButtonPress, [this](QEvent* event) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::RightButton)
            return false;
        if (QTreeWidgetItem* node = PatientTreeView->itemAt(press->position().toPoint()))
            PatientTreeView->setCurrentItem(node);
        return true;
    });
}

} // namespace kelvaro
