# Shortcuts for those who have make; ./quorvel.sh is the set-up that needs nothing but bash.
BUILD ?= build

.PHONY: run test bench build clean

run test bench build:
	BUILD=$(BUILD) bash quorvel.sh $@

clean:
	rm -rf $(BUILD)
