#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class Prompter;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class TForm24;

// "Náhled před tiskem": the pages of one report, maximised and above the
// program's other windows without blocking them, with "Tisk", "Nastavení
// tisku", "Uložit jako PDF" and "Zavřít", page turning and zoom. It owns
// the report, whose table closes with it.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    // Whether the machine has a printer to print on.
    using PrinterCheck = std::function<bool()>;
    static bool printersInstalled();

    ReportPreview(std::unique_ptr<TForm24> report, Prompter &prompter, PrinterCheck printers, QWidget *parent = nullptr);
    ~ReportPreview() override;

    TForm24 &report() const { return *m_report; }
    QPrintPreviewWidget *pageView() const { return m_pageView; }

    // Prints on the current printer; without one, offers the PDF file.
    void TiskClick();
    // The printer dialog; the report is printed when the user confirms it.
    void NastaveniClick();
    // Writes the report to a PDF file the user chooses.
    void UlozitPdfClick();
    void ZavritClick();

private:
    bool printable();
    bool havePrinter();
    void printOn(QPrinter &printer);
    void showPageNumber();

    std::unique_ptr<TForm24> m_report;
    Prompter &m_prompter;
    PrinterCheck m_printers;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_pageView = nullptr;
    QLabel *m_pageNumber = nullptr;
};
