#include "ReportWindow.h"

#include "Dialogs.h"
#include "ReportOutput.h"
#include "ReportRenderer.h"
#include "ScreenFit.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace platform {

namespace {

constexpr int kZoomPercents[] = {50, 75, 100, 125, 150, 200};
// Grey border round the sheet in the scroll area, in pixels.
constexpr int kSheetMargin = 12;

} // namespace

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReportPageView::setReport(const ReportLayout* layout, const QSqlRecord* row)
{
    m_layout = layout;
    m_row = row;
    updateGeometry();
    update();
}

void ReportPageView::setZoom(qreal zoom)
{
    m_zoom = qBound(0.1, zoom, 8.0);
    resize(sizeHint());
    updateGeometry();
    update();
}

QSizeF ReportPageView::sheetSize() const
{
    const QSizeF points = m_layout ? m_layout->pageSize() : QSizeF(612, 792);
    return {points.width() * logicalDpiX() / 72.0, points.height() * logicalDpiY() / 72.0};
}

QSize ReportPageView::sizeHint() const
{
    const QSizeF sheet = sheetSize() * m_zoom;
    return QSize(qCeil(sheet.width()), qCeil(sheet.height())) +
           QSize(2 * kSheetMargin, 2 * kSheetMargin);
}

void ReportPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QSizeF sheet = sheetSize() * m_zoom;
    QRectF page(QPointF(0, 0), sheet);
    page.moveCenter(QRectF(rect()).center());
    painter.fillRect(page.translated(3, 3), QColor(0, 0, 0, 60));
    painter.fillRect(page, Qt::white);
    if (m_layout && m_row)
        paintReport(*m_layout, *m_row, painter, page);
}

ReportWindow::ReportWindow(ReportLayout layout, QSqlRecord row, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_layout(std::move(layout)), m_row(std::move(row)),
      m_dialogs(dialogs)
{
    m_layout.checkColumns(m_row);
    setObjectName(QStringLiteral("reportWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_printButton = new QToolButton(this);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    m_printButton->setText(tr("&Print..."));
    m_printButton->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    for (int percent : kZoomPercents)
        m_zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent);
    m_zoomBox->addItem(tr("Page Width"), ZoomPageWidth);
    m_zoomBox->addItem(tr("Whole Page"), ZoomWholePage);

    auto* zoomLabel = new QLabel(tr("&Zoom:"), this);
    zoomLabel->setBuddy(m_zoomBox);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->addWidget(m_printButton);
    bar->addSpacing(12);
    bar->addWidget(zoomLabel);
    bar->addWidget(m_zoomBox);
    bar->addStretch();

    m_view = new ReportPageView;
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageScroll"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setWidget(m_view);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(bar);
    column->addWidget(m_scroll, 1);

    connect(m_printButton, &QToolButton::clicked, this, &ReportWindow::print);
    connect(m_zoomBox, &QComboBox::activated, this,
            [this](int index) { setZoom(m_zoomBox->itemData(index).toInt()); });
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, this, &ReportWindow::print);
    auto* closeKey = new QShortcut(QKeySequence::Close, this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
    auto* zoomIn = new QShortcut(QKeySequence::ZoomIn, this);
    connect(zoomIn, &QShortcut::activated, this, [this] {
        for (int percent : kZoomPercents)
            if (percent > qRound(zoomFactor() * 100)) {
                setZoom(percent);
                return;
            }
    });
    auto* zoomOut = new QShortcut(QKeySequence::ZoomOut, this);
    connect(zoomOut, &QShortcut::activated, this, [this] {
        for (auto it = std::rbegin(kZoomPercents); it != std::rend(kZoomPercents); ++it)
            if (*it < qRound(zoomFactor() * 100)) {
                setZoom(*it);
                return;
            }
    });

    m_view->setReport(&m_layout, &m_row);
    setWindowTitle(m_layout.caption());
    setZoom(100);

    // Room for the whole width of the sheet at real size where the screen allows it.
    const QSize wanted =
        m_view->sizeHint() + QSize(m_scroll->verticalScrollBar()->sizeHint().width() + 4,
                                   m_zoomBox->sizeHint().height() + 12);
    QSize size(wanted.width(), wanted.height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    keepOnScreen(this);
}

void ReportWindow::setReport(ReportLayout layout, QSqlRecord row)
{
    layout.checkColumns(row);
    m_layout = std::move(layout);
    m_row = std::move(row);
    setWindowTitle(m_layout.caption());
    m_view->setReport(&m_layout, &m_row);
    applyZoom();
}

void ReportWindow::setZoom(int zoom)
{
    m_zoomChoice = zoom;
    const int index = m_zoomBox->findData(zoom);
    if (index >= 0)
        m_zoomBox->setCurrentIndex(index);
    applyZoom();
}

qreal ReportWindow::zoomFactor() const
{
    return m_view->zoom();
}

void ReportWindow::applyZoom()
{
    const QSizeF sheet = m_view->sheetSize();
    const QSize room = m_scroll->viewport()->size() - QSize(2 * kSheetMargin, 2 * kSheetMargin);
    qreal zoom = m_zoomChoice / 100.0;
    if (m_zoomChoice == ZoomPageWidth)
        zoom = room.width() / sheet.width();
    else if (m_zoomChoice == ZoomWholePage)
        zoom = qMin(room.width() / sheet.width(), room.height() / sheet.height());
    m_view->setZoom(zoom);
}

void ReportWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_zoomChoice < 0)
        applyZoom();
}

bool ReportWindow::print()
{
    try {
        return printReportWithDialog(m_layout, m_row, m_dialogs);
    } catch (const vbrt::Error& e) {
        // A printer that fails must not take the program down with it.
        m_dialogs.msg(e.description(), MsgIcon::Critical,
                      QGuiApplication::applicationDisplayName());
        return false;
    }
}

} // namespace platform
