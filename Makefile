# The two set-up commands: `make run` starts the modeller, `make test` runs the tests.
JOBS ?= $(shell nproc)
# Benchmarks are repeated; ratios are printed for the best and the median run.
BENCH_REPETITIONS ?= 5
BENCH_FILTER ?= .

.PHONY: run test bench deps build build-test build-plain

run: build
	./build/program/quelaform

# No test may write into the real home: the run fails if one did.
test: build-test build-plain
	cd build-test && ../scripts/check-home-untouched ctest --output-on-failure -j$(JOBS) --timeout 900

bench: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQF_BUILD_TESTS=OFF -DQF_BUILD_BENCH=ON
	cmake --build build -j$(JOBS)
	./build/bench/quelaform_bench --benchmark_counters_tabular=true --benchmark_repetitions=$(BENCH_REPETITIONS) \
	  --benchmark_filter='$(BENCH_FILTER)' --benchmark_out=build/bench.json --benchmark_out_format=json
	python3 bench/ratios.py build/bench.json

deps:
	scripts/install-deps

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQF_BUILD_TESTS=OFF
	cmake --build build -j$(JOBS)

build-test: deps
	cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQF_SANITIZE=ON
	cmake --build build-test -j$(JOBS)

# A plain Debug build (no sanitizers) of every target: the sanitizer runtime
# can hide a library missing from a link line, so this one must link too.
build-plain: deps
	cmake -S . -B build-plain -G Ninja -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-plain -j$(JOBS)
