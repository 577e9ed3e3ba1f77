// Decoding speed of the three bank formats on generated files of 100,000
// records, in memory. The whole-process figures are scripts/bench-bank's.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bank/bank_csv.h"
#include "bank/geminy_decoder.h"
#include "bank/gpc_decoder.h"
#include "bank/kpc_decoder.h"
#include "common/cp1250_literal.h"
#include "common/disk_file_system.h"

namespace zerkon {
namespace {

constexpr int kRecords = 100000;

std::string Digits(long long value, int width) {
    std::string text = std::to_string(value);
    return std::string(width > static_cast<int>(text.size()) ? width - text.size() : 0, '0') + text;
}

std::string GpcFile() {
    std::string file =
        "0740000002501129872Řeznictví Žák a syn 01030900000001234550+00000001185050+"_cz
        "00000000060500+00000000011000+003310309              FIO\r\n";
    for (int i = 0; i < kRecords; ++i) {
        file += "0750000002501129872" + Digits(123456789LL * (i % 97), 16) + Digits(i, 13) +
                Digits(1000 + (i * 7919) % 1000000, 12) + "12454"[i % 5] + Digits(i, 10) + "00" +
                "0800" + (i % 3 == 0 ? "0000" : "0308") + Digits(i % 11, 10) + "010309" +
                "Platba č. "_cz + Digits(i, 10) + "01102" + "050309\r\n";
    }
    return file;
}

std::string KpcFile() {
    std::string file =
        "UHL1070309Zelená zahrada s.r.o0000000042001999000000000000\r\n1 1501 001000 0800\r\n"_cz;
    for (int i = 0; i < kRecords; ++i) {
        if (i % 1000 == 0) file += "2 000000-0123456789 000000123456789 200309\r\n";
        file += "000000-" + Digits(2900123456LL + i, 10) + " " + Digits(1 + i * 13, 15) + " " +
                Digits(i, 10) + " 20100308 0000000000 AV:Faktura č. "_cz + std::to_string(i) +
                "\r\n";
        if (i % 1000 == 999) file += "3 +\r\n";
    }
    return file + "5 +\r\n";
}

std::string GeminyFile() {
    std::string file;
    for (int i = 0; i < kRecords; ++i) {
        std::string info = "Faktura č. "_cz + std::to_string(i);
        info.resize(140, ' ');
        file += Digits(i + 1, 6) + "11261208" + "0800" + "   " + "0300" + "   " +
                (std::to_string(1 + i * 13) + "               ").substr(0, 15) + "090320" +
                "0000000308" + Digits(i, 10) + "0000000012" + "0000001912345678" +
                Digits(1111122222LL + i, 16) + info + "Řezníkův dvůr s.r.o."_cz +
                "Dodavatel Šťastný   "_cz + "\r\n";
    }
    return file;
}

// Decoding into held outputs, as the window does.
template <typename Decode>
void RunDecoder(benchmark::State& state, const std::string& bytes, Decode&& decode) {
    for (auto _ : state) {
        OutputText preview;
        OutputText records;
        decode(BankSource{bytes, "C:\\Banka\\soubor", {2009, 3, 7}}, preview, records);
        benchmark::DoNotOptimize(preview.Take().data());
        benchmark::DoNotOptimize(records.Take().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
}

const RegionalSettings kCzech = RegionalSettings::Czech();

void BM_DecodeKpc(benchmark::State& state) {
    static const std::string bytes = KpcFile();
    RunDecoder(state, bytes, [](const BankSource& source, OutputText& preview, OutputText&) {
        DecodeKpc(source, kCzech, preview);
    });
}
BENCHMARK(BM_DecodeKpc)->Unit(benchmark::kMillisecond);

void BM_DecodeGpc(benchmark::State& state) {
    static const std::string bytes = GpcFile();
    RunDecoder(state, bytes,
               [](const BankSource& source, OutputText& preview, OutputText& records) {
                   DecodeGpc(source, kCzech, preview, records);
               });
}
BENCHMARK(BM_DecodeGpc)->Unit(benchmark::kMillisecond);

void BM_DecodeGeminy(benchmark::State& state) {
    static const std::string bytes = GeminyFile();
    RunDecoder(state, bytes, [](const BankSource& source, OutputText& preview, OutputText&) {
        DecodeGeminy(source, kCzech, preview);
    });
}
BENCHMARK(BM_DecodeGeminy)->Unit(benchmark::kMillisecond);

// The CSV of the three formats, streamed as the command line does.
void RunCsv(benchmark::State& state, BankFormat format, const std::string& bytes) {
    for (auto _ : state) {
        std::size_t written = 0;
        OutputText out([&written](std::string_view block) {
            written += block.size();
            return Status::Ok();
        });
        BankLines lines(bytes);
        benchmark::DoNotOptimize(WriteBankCsv(format, lines, kCzech, CsvEncoding::kUtf8, out));
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
}

void BM_CsvGpc(benchmark::State& state) {
    static const std::string bytes = GpcFile();
    RunCsv(state, BankFormat::kGpc, bytes);
}
BENCHMARK(BM_CsvGpc)->Unit(benchmark::kMillisecond);

void BM_CsvKpc(benchmark::State& state) {
    static const std::string bytes = KpcFile();
    RunCsv(state, BankFormat::kKpc, bytes);
}
BENCHMARK(BM_CsvKpc)->Unit(benchmark::kMillisecond);

void BM_CsvGeminy(benchmark::State& state) {
    static const std::string bytes = GeminyFile();
    RunCsv(state, BankFormat::kGeminy, bytes);
}
BENCHMARK(BM_CsvGeminy)->Unit(benchmark::kMillisecond);

// The whole path of the window: read the file, decode into the preview text
// and the print records.
void BM_GpcFileToPreviewText(benchmark::State& state) {
    static const std::string bytes = GpcFile();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "zerkon-bench-statement.gpc";
    std::ofstream(path, std::ios::binary) << bytes;
    DiskFileSystem files;
    for (auto _ : state) {
        OutputText preview;
        OutputText records;
        DecodeGpc(files, path, kCzech, preview, records);
        benchmark::DoNotOptimize(preview.Take().data());
        benchmark::DoNotOptimize(records.Take().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
    std::filesystem::remove(path);
}
BENCHMARK(BM_GpcFileToPreviewText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zerkon

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
