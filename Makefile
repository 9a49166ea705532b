# The two set-up commands of the README. Both install what is missing first.
JOBS ?= $(shell nproc)
RELEASE := build/release
TEST := build/test

.PHONY: demo test build deps fuzz clean

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DTARNIK_TESTS=OFF
	cmake --build $(RELEASE) -j$(JOBS)

demo: build
	@bash scripts/demo $(RELEASE)/bin

test: deps
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=Debug -DTARNIK_SANITIZE=ON -DTARNIK_TESTS=ON
	cmake --build $(TEST) -j$(JOBS)
	cd $(TEST) && ctest -j$(JOBS) --output-on-failure --timeout 600

fuzz:
	@bash scripts/install-deps --fuzz
	@bash fuzz/run-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
