# The commands a newcomer needs: `make run` and `make test`. Both install what is missing first.
.PHONY: deps linux windows fuzz-build test fuzz bench run clean

deps:
	@scripts/install-deps.sh

linux: deps
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux

windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows

fuzz-build: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

# Unit tests natively (ASan + UBSan) and under Wine, the end-to-end tests, and the fuzz corpora.
test: linux windows fuzz-build
	@scripts/run-tests

# Each fuzz target for 60 seconds, growing its corpus.
fuzz: fuzz-build
	@scripts/run-fuzzers 60

# The program: under Wine with a display, else a headless demonstration on loopback.
run: windows
	@scripts/run-program

bench: linux windows
	@scripts/run-benchmarks

clean:
	rm -rf build
