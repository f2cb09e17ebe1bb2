# Two entry points: `make run` builds and starts the game, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/quorvel

test: build
	bash scripts/run-tests.sh $(BUILD)

bench: build
	$(BUILD)/bin/quorvel-bench

clean:
	rm -rf $(BUILD)
