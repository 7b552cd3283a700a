#include "tools/documents.h"

#include <gtest/gtest.h>

#include "tool_fixture.h"

namespace varnolux {
namespace {

using Texts = std::vector<std::string>;

TEST(LinkedDocumentName, FindsTheFirstMarkedLine) {
    struct Case {
        const char* text;
        std::optional<std::string> name;
    } cases[] = {
        {"(pdfpath)PIC18F26K42.pdf\r\n", "pic18f26k42.pdf"},
        {"(PDFPATH)PIC18F26K42 Data Sheet.PDF", "pic18f26k42 data sheet.pdf"},
        {"title\r\nnotes\r\n(PdfPath)   a.pdf   \r\n(pdfpath)b.pdf\r\n", "a.pdf"},
        {"\xEF\xBB\xBF(pdfpath)bom.pdf\n", "bom.pdf"},
        {" (pdfpath)blank.pdf\r\n", std::nullopt},
        {"see (pdfpath)x.pdf\r\n", std::nullopt},
        {"pdfpath=x.pdf\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkedDocumentName(c.text), c.name) << c.text;
}

struct DocumentsTest : ToolFixture, ::testing::Test {
    DocumentsTest() {
        session.settings.PDF = "C:\\PDFs";
        session.settings.Errata = "E:\\Errata";
        session.settings.PDFReader = "C:\\Reader\\AcroRd32.exe";
    }
    void ExpectBare(const PromptRequest& r) {
        EXPECT_EQ(r.caption, "");
        EXPECT_EQ(r.modality, PromptModality::Task);
        EXPECT_TRUE(r.foreground);
    }
};

TEST_F(DocumentsTest, DataSheetOpensLinkedDocumentInReader) {
    os.PutFile("C:\\PDFs\\18F26K42.link", "Microchip\r\n(PDFPATH) PIC18F26K42-Data.PDF \r\n");
    os.PutFile("C:\\PDFs\\pic18f26k42-data.pdf", "%PDF");
    OpenDataSheet(session, seams);
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, "C:\\Reader\\AcroRd32.exe");
    EXPECT_EQ(launcher.started[0].commandLine,
              "\"C:\\Reader\\AcroRd32.exe\" \"C:\\PDFs\\pic18f26k42-data.pdf\"");
}

TEST_F(DocumentsTest, MissingLinkFileNamesItsPath) {
    OpenDataSheet(session, seams);
    EXPECT_EQ(prompts.Texts(),
              Texts{"OpenDataSheet Link to DataSheet not found\rC:\\PDFs\\18F26K42.link"});
    EXPECT_EQ(prompts.shown[0].caption, "Varnolux");
    EXPECT_TRUE(prompts.shown[0].topmost);
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(DocumentsTest, LinkFileWithoutMarkerAtLineStartCannotBeParsed) {
    os.PutFile("C:\\PDFs\\18F26K42.link", " (pdfpath)PIC18F26K42.pdf\r\n");
    OpenDataSheet(session, seams);
    EXPECT_EQ(prompts.Texts(), Texts{"OpenDataSheet Failed TO pharse link file"});
    EXPECT_EQ(prompts.shown[0].caption, "Varnolux");
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(DocumentsTest, LinkedDocumentMissing) {
    os.PutFile("C:\\PDFs\\18F26K42.link", "(pdfpath)gone.pdf");
    OpenDataSheet(session, seams);
    EXPECT_EQ(prompts.Texts(), Texts{"File not found C:\\PDFs\\gone.pdf"});
    ExpectBare(prompts.shown[0]);
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(DocumentsTest, ReaderThatFailsToStartIsReported) {
    os.PutFile("C:\\PDFs\\18F26K42.link", "(pdfpath)a.pdf");
    os.PutFile("C:\\PDFs\\a.pdf", "%PDF");
    launcher.startSucceeds = false;
    OpenDataSheet(session, seams);
    EXPECT_EQ(prompts.Texts(), Texts{"Unable to load C:\\PDFs\\a.pdf"});
    ExpectBare(prompts.shown[0]);
}

TEST_F(DocumentsTest, ErrataOpensDeviceErrataSheet) {
    os.PutFile("E:\\Errata\\18F26K42 errata.pdf", "%PDF");
    OpenErrata(session, seams);
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine,
              "\"C:\\Reader\\AcroRd32.exe\" \"E:\\Errata\\18F26K42 errata.pdf\"");
}

TEST_F(DocumentsTest, ErrataMissingAndReaderFailing) {
    OpenErrata(session, seams);
    os.PutFile("E:\\Errata\\18F26K42 errata.pdf", "%PDF");
    launcher.startSucceeds = false;
    OpenErrata(session, seams);
    EXPECT_EQ(prompts.Texts(), (Texts{"File not found E:\\Errata\\18F26K42 errata.pdf",
                                      "Unable to load E:\\Errata\\18F26K42 errata.pdf"}));
    ExpectBare(prompts.shown[0]);
    ExpectBare(prompts.shown[1]);
}

}  // namespace
}  // namespace varnolux
