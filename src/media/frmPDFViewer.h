#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QPdfDocument;
struct ProgramState;

namespace Ui {
class frmPDFViewer;
}

// Shows one document of the library's "PDFs" folder.
class frmPDFViewer : public QDialog
{
public:
    explicit frmPDFViewer(ProgramState& state, QWidget* parent = nullptr);
    ~frmPDFViewer() override;

    // The bare file name of the document in the "PDFs" folder.
    void setFilename(const QString& fileName);
    // The document's full path.
    const QString& fullPath() const { return m_fullPath; }
    QPdfDocument* document() const { return m_document; }

    // Gives the document to the view.
    void Form_Load();
    // The view fills the window above cmdClose; cmdClose sits centred at the bottom.
    void Form_Resize();
    void cmdClose_Click();
    // Opens within the screen's available area.

    std::unique_ptr<Ui::frmPDFViewer> ui;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ProgramState& m_state;
    QString m_fullPath;
    QString m_problem;
    QPdfDocument* m_document = nullptr;
};
