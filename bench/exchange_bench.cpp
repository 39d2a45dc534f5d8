// Speed of the import and export: the RTF import of a 500000-byte WinHelp
// RTF file (the largest the import reads) and the HTML export of the
// project at every capacity of the model.
//
//   exchange_bench [--benchmark_...]
//   VELDOR_BENCH_RTF=FILE exchange_bench   also keeps the RTF file it reads
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "exchange/html_export.h"
#include "exchange/html_page_names.h"
#include "exchange/html_writer.h"
#include "exchange/import_summary.h"
#include "exchange/rtf_import.h"
#include "exchange/rtf_importer.h"
#include "max_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

using veldor::CVeldorDoc;

// A WinHelp topic file as a help author's tools write it: font and colour
// tables, then pages with context, title, keyword and browse footnotes,
// formatted paragraphs, jumps, pop-ups and bitmaps; exactly `size` bytes.
std::string WinHelpRtf(std::size_t size) {
  std::string rtf =
      "{\\rtf1\\ansi\\deff0\r\n"
      "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}{\\f2\\fmodern Courier "
      "New;}}\r\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;"
      "\\red255\\green0\\blue0;}\r\n";
  const std::string close = "}\r\n";
  for (int page = 0;; ++page) {
    const std::string id = "IDH_PAGE_" + std::to_string(page);
    const std::string next = "IDH_PAGE_" + std::to_string(page + 1);
    std::string topic = "#{\\footnote " + id + "}\r\n${\\footnote Rubrique " +
                        std::to_string(page) + "}\r\nK{\\footnote mot cl\\'e9 " +
                        std::to_string(page % 50) +
                        "}\r\n+{\\footnote 0001:" + std::to_string(page) + "}\r\n" +
                        "\\pard\\plain\\f0\\fs28\\b\\qc\\sa120 Rubrique num\\'e9ro " +
                        std::to_string(page) + "\\par\r\n";
    for (int para = 0; para < 6; ++para) {
      topic +=
          "\\pard\\plain\\f1\\fs20\\li567\\ri283\\sa60 Ce paragraphe d\\'e9crit {\\b une "
          "commande} et {\\i ses options}; voir {\\uldb la rubrique suivante}{\\v " +
          next +
          "} ou la {\\ul d\\'e9finition}{\\v %IDH_DEF>popup}.\\line Deuxi\\'e8me ligne "
          "avec \\ldblquote des guillemets\\rdblquote\\tab et une tabulation.\\par\r\n";
    }
    topic += "\\pard\\plain\\f2\\fs18\\cf3 \\{bmc ecran" + std::to_string(page % 7) +
             ".bmp\\} L\\'e9gende de l'image\\par\r\n\\page\r\n";
    if (rtf.size() + topic.size() + close.size() > size) break;
    rtf += topic;
  }
  rtf.append(size - rtf.size() - close.size(), ' ');
  rtf += close;
  return rtf;
}

struct ImportFixture {
  std::string directory;
  std::string path;
  std::string bytes;

  static ImportFixture& Get() {
    static ImportFixture fixture;
    return fixture;
  }

 private:
  ImportFixture() {
    bytes = WinHelpRtf(veldor::RtfImporter::kMaxBytes);
    char pattern[] = "/tmp/veldor-bench-XXXXXX";
    directory = mkdtemp(pattern);
    path = veldor::JoinPath(directory, "WINHELP.RTF");
    veldor::WriteFile(path, bytes);
  }
  ~ImportFixture() { std::filesystem::remove_all(directory); }
};

// The parse alone, in memory.
void BM_RtfParse500k(benchmark::State& state) {
  const ImportFixture& fixture = ImportFixture::Get();
  int topics = 0;
  for (auto _ : state) {
    veldor::RtfImporter importer;
    importer.Parse(fixture.bytes);
    topics = importer.TopicCount();
  }
  state.counters["topics"] = topics;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fixture.bytes.size()));
}
BENCHMARK(BM_RtfParse500k)->Unit(benchmark::kMillisecond);

// The whole command: read, convert, parse and append to a project.
void BM_ImportRtfFile500k(benchmark::State& state) {
  const ImportFixture& fixture = ImportFixture::Get();
  int added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<CVeldorDoc>();
    state.ResumeTiming();
    added = veldor::ImportRtf(*doc, fixture.path);
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["topics"] = added;
}
BENCHMARK(BM_ImportRtfFile500k)->Unit(benchmark::kMillisecond);

struct ExportFixture {
  std::unique_ptr<CVeldorDoc> doc;
  std::string directory;

  static ExportFixture& Get() {
    static ExportFixture fixture;
    return fixture;
  }

 private:
  ExportFixture() {
    doc = std::make_unique<CVeldorDoc>();
    veldor::bench::FillMaxProject(*doc);
    char pattern[] = "/tmp/veldor-bench-XXXXXX";
    directory = mkdtemp(pattern);
  }
  ~ExportFixture() { std::filesystem::remove_all(directory); }
};

// The pages of the maximal project, in memory.
void BM_HtmlPagesMaxProject(benchmark::State& state) {
  const ExportFixture& fixture = ExportFixture::Get();
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    const veldor::HtmlPageNames pages(*fixture.doc);
    for (int i = 0; i < fixture.doc->topicCount(); ++i) {
      bytes += veldor::HtmlPageText(*fixture.doc->GetTopic(i), pages).size();
    }
  }
  state.counters["pages"] = fixture.doc->topicCount();
  state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HtmlPagesMaxProject)->Unit(benchmark::kMillisecond);

// The export command: every page written to its file.
void BM_ExportHtmlMaxProject(benchmark::State& state) {
  const ExportFixture& fixture = ExportFixture::Get();
  for (auto _ : state) {
    if (!veldor::ExportHtml(*fixture.doc, fixture.directory)) state.SkipWithError("export failed");
  }
  state.counters["pages"] = fixture.doc->topicCount();
}
BENCHMARK(BM_ExportHtmlMaxProject)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (const char* keep = std::getenv("VELDOR_BENCH_RTF")) {
    veldor::WriteFile(keep, WinHelpRtf(veldor::RtfImporter::kMaxBytes));
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
