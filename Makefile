# The commands a person uses. Each one installs what it needs first.
JOBS ?= 2
NATIVE := build/native
WIN := build/win
WIN_CONFIGURE = cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake >/dev/null

.PHONY: setup build build-native build-win dist test unit e2e run bench fuzz clean

setup:
	@bash scripts/setup.sh

build: setup build-native build-win

build-native:
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

build-win:
	@$(WIN_CONFIGURE)
	@cmake --build $(WIN) -j$(JOBS)

# The release zip and its SHA256SUMS in build/dist; only the program is built for it.
dist: setup
	@$(WIN_CONFIGURE)
	@cmake --build $(WIN) --target dist -j$(JOBS)

# Unit tests natively, then the real program under Wine.
test: build
	@ctest --test-dir $(NATIVE) --output-on-failure

unit: setup build-native
	@ctest --test-dir $(NATIVE) -L unit --output-on-failure

e2e: build
	@ctest --test-dir $(NATIVE) -L e2e --output-on-failure

run: build
	@bash scripts/run.sh

bench: build
	@cmake --build $(NATIVE) --target zkv_rules_bench -j$(JOBS)
	@$(NATIVE)/bench/zkv_rules_bench --benchmark_min_time=0.1
	@bash bench/run_bench.sh

# Longer fuzz runs of the portable core (60 s per target), built with clang in build/fuzz.
fuzz: setup
	@bash tests/fuzz/run_fuzz.sh 60

clean:
	rm -rf build
