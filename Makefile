# Set-up and everyday commands. Every target first makes sure the Debian packages are there.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test asan fuzz bench clean

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/velmora

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

asan: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVELMORA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@for f in $(FUZZ_DIR)/fuzz/fuzz_*; do \
		[ -x "$$f" ] || continue; \
		name=$$(basename $$f); mkdir -p $(FUZZ_DIR)/corpus/$$name; \
		seeds=""; [ -d fuzz/corpus/$$name ] && seeds=fuzz/corpus/$$name; \
		echo "== $$name for $(FUZZ_SECONDS) s"; \
		$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			$(FUZZ_DIR)/corpus/$$name $$seeds || exit 1; \
	done

bench: build
	./$(BUILD_DIR)/bench/velmora-bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/velmora-view-bench

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
