say("no header");
