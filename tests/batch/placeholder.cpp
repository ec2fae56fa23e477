int unused_batch_placeholder = 0;
