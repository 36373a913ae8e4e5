#include "frmPDFViewer.h"

#include "ProgramState.h"
#include "ScreenFit.h"
#include "WindowFit.h"
#include "ui_frmPDFViewer.h"

#include <QFileInfo>
#include <QPdfDocument>
#include <QPdfView>
#include <QPushButton>

namespace {

QString loadProblem(QPdfDocument::Error error)
{
    switch (error) {
    case QPdfDocument::Error::None:
        return {};
    case QPdfDocument::Error::FileNotFound:
        return QStringLiteral("The document could not be found.");
    case QPdfDocument::Error::InvalidFileFormat:
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return QStringLiteral("The file is not a PDF document that can be shown.");
    case QPdfDocument::Error::IncorrectPassword:
        return QStringLiteral("The document is protected by a password.");
    case QPdfDocument::Error::DataNotYetAvailable:
    case QPdfDocument::Error::Unknown:
        break;
    }
    return QStringLiteral("The document could not be opened.");
}

} // namespace

frmPDFViewer::frmPDFViewer(ProgramState& state, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmPDFViewer>()), m_state(state)
{
    ui->setupUi(this);
    platform::keepOnScreen(this);
    m_document = new QPdfDocument(this);
    ui->pdfViewer->setDocument(m_document);
    ui->pdfViewer->setPageMode(QPdfView::PageMode::MultiPage);
    ui->pdfViewer->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmPDFViewer::cmdClose_Click);
}

frmPDFViewer::~frmPDFViewer() = default;

void frmPDFViewer::setFilename(const QString& fileName)
{
    m_fullPath = m_state.path(QStringLiteral("PDFs/") + fileName);
    setWindowTitle(fileName);
}

void frmPDFViewer::Form_Load()
{
    // A document that cannot be shown says so inside the window, as a reader would.
    const QString problem = loadProblem(m_document->load(m_fullPath));
    m_problem = problem.isEmpty() ? QString() : problem + QStringLiteral("\n\n") + m_fullPath;
    ui->lblPdfError->setVisible(!problem.isEmpty());
    ui->pdfViewer->setVisible(problem.isEmpty());
    Form_Resize();
}

void frmPDFViewer::Form_Resize()
{
    const int margin = 6;
    const QSize button = ui->cmdClose->sizeHint().expandedTo(QSize(100, 0));
    const int buttonTop = height() - margin - button.height();
    ui->cmdClose->setGeometry((width() - button.width()) / 2, buttonTop, button.width(),
                              button.height());
    const QRect viewArea(0, 0, width(), std::max(0, buttonTop - margin));
    ui->pdfViewer->setGeometry(viewArea);
    ui->lblPdfError->setGeometry(viewArea);
    media::setFittedText(*ui->lblPdfError, m_problem);
}

void frmPDFViewer::cmdClose_Click()
{
    m_document->close();
    done(QDialog::Accepted);
}

void frmPDFViewer::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}
