// Generates rows into an in-memory output and reports problems per second and heap
// allocations per problem. Every allocation of the process goes through the counting
// operator new below, so "allocs/problem" covers the generator as well as the sink.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>

#include "operand_bounds.h"
#include "problem_generator.h"

namespace {

std::atomic<long long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace zorvanta;

// An output box that keeps a bounded tail of the text, like a sheet that is saved and
// cleared now and then, so the measurement is of the generator and not of memory growth.
class MemorySink : public OutputSink, public OperationChecks {
  public:
    MemorySink() { text.reserve(capacity); }

    void appendOutput(std::string_view piece) override {
        if (text.size() + piece.size() > capacity) {
            text.clear();
        }
        text.append(piece);
    }
    bool isChecked(Operation operation) const override { return operation == checked; }
    void setChecked(Operation operation, bool on) override {
        if (on) {
            checked = operation;
        }
    }

    Operation checked = Operation::Add;

  private:
    static constexpr std::size_t capacity = 1 << 20;
    std::string text;
};

void generateRows(benchmark::State& state, Operation operation, OperandBounds bounds) {
    PadTexts pads;
    pads.create();
    MemorySink sink;
    sink.checked = operation;
    ProblemGenerator generator(sink, sink, pads);
    generator.operandBounds = bounds;
    generator.generateRow();

    const long long allocationsBefore = allocations.load();
    for (auto _ : state) {
        generator.generateRow();
    }
    const double problems = 5.0 * static_cast<double>(state.iterations());
    state.counters["problems/s"] = benchmark::Counter(problems, benchmark::Counter::kIsRate);
    state.counters["allocs/problem"] =
        static_cast<double>(allocations.load() - allocationsBefore) / problems;
}

void mixedProblems(benchmark::State& state) {
    PadTexts pads;
    pads.create();
    MemorySink sink;
    ProblemGenerator generator(sink, sink, pads);
    generator.operandBounds = hundredRange;

    const long long allocationsBefore = allocations.load();
    for (auto _ : state) {
        generator.pickRandomOperation();
        generator.generateMixedProblem();
    }
    const double problems = static_cast<double>(state.iterations());
    state.counters["problems/s"] = benchmark::Counter(problems, benchmark::Counter::kIsRate);
    state.counters["allocs/problem"] =
        static_cast<double>(allocations.load() - allocationsBefore) / problems;
}

BENCHMARK_CAPTURE(generateRows, add_hundred, Operation::Add, hundredRange);
BENCHMARK_CAPTURE(generateRows, subtract_twenty, Operation::Subtract, twentyRange);
BENCHMARK_CAPTURE(generateRows, multiply_hundred, Operation::Multiply, hundredRange);
BENCHMARK_CAPTURE(generateRows, divide_hundred, Operation::Divide, hundredRange);
BENCHMARK(mixedProblems);

}  // namespace

BENCHMARK_MAIN();
