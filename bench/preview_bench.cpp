// The preview's redraw after a keystroke: the display list alone, and the
// whole road in the Qt window (the entry changes, the follower checks the
// row and makes the list, the widget paints it), on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <filesystem>
#include <random>

#include "app/main_window.h"
#include "form/preview_row.h"
#include "store/field_store.h"

namespace {

namespace fs = std::filesystem;

const vpa::RowEntries kPair{{"1-0 1/2", "6", "9", "L4x4x1/2", "120", "Long",
                            "2"}};

void BM_PreviewDisplayList(benchmark::State& state) {
  for (auto _ : state) {
    vpa::PreviewDrawing drawing =
        vpa::DrawPreview(*vpa::PreviewRowOf(kPair, "BOTH Ends"));
    benchmark::DoNotOptimize(drawing);
  }
}
BENCHMARK(BM_PreviewDisplayList);

void BM_PreviewRedrawAfterKeystroke(benchmark::State& state) {
  const fs::path root =
      fs::temp_directory_path() /
      ("vpa-preview-bench-" + std::to_string(std::random_device()()));
  fs::create_directories(root / "0PY");
  fs::create_directories(root / "TextFiles");
  fs::copy(fs::path(VPA_SOURCE_DATA) / "PythonFiles", root / "PythonFiles");
  const vpa::ProgramFolder folder(root);
  const std::pair<const char*, const char*> texts[] = {
      {"H1", "1-0 1/2"}, {"V1", "6"}, {"W1", "9"}, {"L1", "12"}};
  for (const auto& [name, text] : texts) vpa::SaveField(folder, name, text);
  for (const auto& [name, index] :
       {std::pair{"MAT1", 64}, {"OSL1", 1}, {"Pair1", 1}, {"BS", 0}}) {
    vpa::SaveField(folder, name, index);
  }
  {
    vpa::MainWindow window(root);
    window.show();
    QApplication::setActiveWindow(&window);
    auto* length = window.findChild<QLineEdit*>("zzL1");
    length->setFocus();
    QApplication::processEvents();
    QWidget* preview = window.findChild<QWidget*>("Preview");
    QImage image(preview->size(), QImage::Format_RGB32);
    int typed = 0;
    for (auto _ : state) {
      // A digit typed, then taken back: the row stays one a Run takes.
      length->setText(++typed % 2 ? "120" : "12");
      preview->render(&image);
    }
    if (!preview->isVisible()) state.SkipWithError("no preview shown");
  }
  std::error_code ignored;
  fs::remove_all(root, ignored);
}
BENCHMARK(BM_PreviewRedrawAfterKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
