#pragma once

#include "ReportLayout.h"

#include <QSqlRecord>
#include <QWidget>

class QComboBox;
class QScrollArea;
class QToolButton;

namespace platform {

class Dialogs;

// The sheet of one report, painted at a zoom factor (1 = its real size on this screen).
class ReportPageView : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPageView(QWidget* parent = nullptr);

    void setReport(const ReportLayout* layout, const QSqlRecord* row);
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }
    // The sheet's size in pixels at zoom 1.
    QSizeF sheetSize() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ReportLayout* m_layout = nullptr;
    const QSqlRecord* m_row = nullptr;
    qreal m_zoom = 1.0;
};

// The non-modal window that shows a report on screen, with a zoom choice and a print button
// that offers the print dialog. It deletes itself when closed: create it with new (a QPointer
// keeps one shared window per report) and show it.
class ReportWindow : public QWidget
{
    Q_OBJECT
public:
    // Zoom choices besides the percentages.
    static constexpr int ZoomPageWidth = -1;
    static constexpr int ZoomWholePage = -2;

    // Throws ErrReportColumnMissing when the row lacks a column the layout binds.
    ReportWindow(ReportLayout layout, QSqlRecord row, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows another record (or layout) in the same window.
    void setReport(ReportLayout layout, QSqlRecord row);
    const ReportLayout& layout() const { return m_layout; }
    const QSqlRecord& row() const { return m_row; }

    // A percentage (100 = real size), ZoomPageWidth or ZoomWholePage.
    void setZoom(int zoom);
    int zoomChoice() const { return m_zoomChoice; }
    qreal zoomFactor() const;

    // The print button: dialog, then printer. False when cancelled or failed (the failure is
    // reported in a message box).
    bool print();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyZoom();

    ReportLayout m_layout;
    QSqlRecord m_row;
    Dialogs& m_dialogs;
    int m_zoomChoice = 100;
    QComboBox* m_zoomBox;
    QToolButton* m_printButton;
    QScrollArea* m_scroll;
    ReportPageView* m_view;
};

} // namespace platform
