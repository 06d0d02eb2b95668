# The newcomer's commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= 2
PREFIX ?= /usr/local
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps configure build run test install bench fuzz clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR)/bin && ./veltrano

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The program folder goes to $(PREFIX)/lib/veltrano/bin, the launcher to $(PREFIX)/bin; DESTDIR
# puts the whole tree under another root (packaging).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

bench: build
	@./bench/run.sh $(BUILD_DIR)

fuzz: deps
	@./scripts/fuzz.sh

clean:
	rm -rf $(BUILD_DIR)
