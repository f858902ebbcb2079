# make        build into build/
# make run    start the application
# make test   every test (ctest), the non-widget tests again under ASan/UBSan, the fuzz targets 20 s each
# make test-long  the model-based tests of the session and of the screens at length
# make bench  the benchmarks (BASELINE=<an earlier build folder> adds its figures)
# make fuzz   libFuzzer on the file readers (clang)
# make deb    the Debian package build/niruka_VERSION_ARCH.deb (CPack)
BUILD     ?= build
ASAN      ?= build-asan
BENCHDIR  ?= build-bench
JOBS      ?= $(shell nproc)
WERROR    := $(if $(CI),ON,OFF)

.PHONY: all build deps run test test-long test-asan bench fuzz deb format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIRUKA_WERROR=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/niruka

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan
	JOBS=$(JOBS) scripts/fuzz --if-clang --parallel 20

# Random sessions, many more and longer than in `make test` (RapidCheck's settings): on the screens, and
# on the open design alone (LONG_SESSION_SEQUENCES of up to 60 steps).
LONG_RC_PARAMS ?= max_success=20000 max_size=60
LONG_SESSION_SEQUENCES ?= 100000
test-long: build
	cd $(BUILD) && NIRUKA_MODEL_SEQUENCES=$(LONG_SESSION_SEQUENCES) NIRUKA_MODEL_STEPS=60 \
	  tests/session/model/session_model
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 RC_PARAMS="$(LONG_RC_PARAMS)" \
	  tests/ui/ui_tst_model

# The code without widgets, again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNIRUKA_SANITIZE=ON -DNIRUKA_WIDGETS=OFF \
	      -DNIRUKA_WERROR=$(WERROR) >/dev/null
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# BASELINE=<build folder of an earlier version> measures its niruka-cli and niruka in the same run.
BASELINE  ?=
bench: deps
	cmake -S . -B $(BENCHDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DNIRUKA_BENCH=ON >/dev/null
	cmake --build $(BENCHDIR) -j $(JOBS)
	@set -e; for b in $(BENCHDIR)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; \
	    QT_QPA_PLATFORM=offscreen $(if $(BASELINE),NIRUKA_CLI_BASELINE=$(abspath $(BASELINE))/src/app/niruka-cli \
	      NIRUKA_APP_BASELINE=$(abspath $(BASELINE))/src/app/niruka) "$$b"; fi; \
	done

# libFuzzer on the project-file reader, the diagram settings reader (and its drawing) and the round trip
# of both, FUZZ_SECONDS each (clang only), seeded with the golden files; built instrumented in build-fuzz/.
FUZZ_SECONDS ?= 60
fuzz: deps
	JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

# What cmake --install puts under /usr, as a .deb in $(BUILD)/.
deb: build
	cd $(BUILD) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN) $(BENCHDIR) build-fuzz
